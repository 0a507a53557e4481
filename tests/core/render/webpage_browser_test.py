#!/usr/bin/env python3
# SPDX-FileCopyrightText: Quillmarsh developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The exported web page in headless Chromium, driven through its DevTools protocol over a pipe.

Usage: webpage_browser_test.py QMTOOL. Exits 0 when every check holds, 1 when one fails, and 77
(a skipped test) only when the browser cannot be started at all.
"""
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
HOSTILE_SCRIPT = '<script>window.ran = 1</script>Tables'
HOSTILE_IMAGE = '<img src=x onerror="window.ran = 2">Gauls'
# Name, date, description, actors: stored out of date order, so that the page must sort them.
EVENTS = [
    ('Founding of Rome', '4/21/753 BC', 'Romulus draws the furrow.\nRemus jumps it.', 'Romulus, Remus'),
    (HOSTILE_IMAGE, '390 BC', 'The <b>geese</b> & the Capitol', 'Brennus'),
    (HOSTILE_SCRIPT, '450 BC', 'Laws on bronze', 'Decemviri'),
    ('Caesar crosses the Rubicon', '1/10/49 BC', '', 'Julius Caesar'),
]
DATE_ORDER = [EVENTS[0][0], HOSTILE_SCRIPT, HOSTILE_IMAGE, EVENTS[3][0]]


class Browser:
    """Chromium with --remote-debugging-pipe: JSON messages ended by NUL on its descriptors 3 and 4."""

    def __init__(self, profile):
        exe = os.environ.get('QM_CHROMIUM') or shutil.which('chromium') or shutil.which('chromium-browser')
        if not exe:
            raise OSError('no chromium on the PATH')
        to_r, self.to_w = os.pipe()
        self.from_r, from_w = os.pipe()

        def descriptors():
            a, b = os.dup(to_r), os.dup(from_w)
            os.dup2(a, 3)
            os.dup2(b, 4)

        self.proc = subprocess.Popen(
            [exe, '--headless', '--no-sandbox', '--disable-gpu', '--remote-debugging-pipe', '--no-first-run',
             '--user-data-dir=' + profile, '--window-size=1280,800', 'about:blank'],
            preexec_fn=descriptors, pass_fds=(3, 4), start_new_session=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_r)
        os.close(from_w)
        self.buffer, self.next_id, self.events, self.session = b'', 0, [], None
        target = self.call('Target.createTarget', url='about:blank')['targetId']
        self.session = self.call('Target.attachToTarget', targetId=target, flatten=True)['sessionId']

    def call(self, method, **params):
        self.next_id += 1
        message = {'id': self.next_id, 'method': method, 'params': params}
        if self.session:
            message['sessionId'] = self.session
        os.write(self.to_w, json.dumps(message).encode() + b'\0')
        while True:
            reply = self.receive()
            if reply.get('id') == self.next_id:
                if 'error' in reply:
                    raise RuntimeError(f'{method}: {reply["error"]}')
                return reply.get('result', {})
            self.events.append(reply)

    def receive(self):
        while b'\0' not in self.buffer:
            chunk = os.read(self.from_r, 1 << 16)
            if not chunk:
                raise OSError('the browser closed the connection')
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b'\0', 1)
        return json.loads(message)

    def wait_for(self, method, timeout=20):
        end = time.time() + timeout
        while time.time() < end:
            for e in self.events:
                if e.get('method') == method:
                    return e
            self.events.append(self.receive())
        raise TimeoutError(method)

    def js(self, expression):
        result = self.call('Runtime.evaluate', expression=expression, returnByValue=True)
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression}: {result["exceptionDetails"]}')
        return result['result'].get('value')

    def key(self, key, code, vk):
        for kind in ('rawKeyDown', 'keyUp'):
            self.call('Input.dispatchKeyEvent', type=kind, key=key, code=code, windowsVirtualKeyCode=vk)

    def click(self, x, y):
        for kind in ('mousePressed', 'mouseReleased'):
            self.call('Input.dispatchMouseEvent', type=kind, x=x, y=y, button='left', clickCount=1)

    def close(self):
        # Asked to close, the browser ends its helpers too, before its profile is removed.
        self.session = None
        try:
            self.call('Browser.close')
            self.proc.wait(timeout=10)
        except (OSError, RuntimeError, subprocess.TimeoutExpired):
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.wait()


def qmtool(tool, *args):
    run = subprocess.run([tool, *args], capture_output=True, text=True)
    if run.returncode != 0:
        raise RuntimeError(f'qmtool {args[0]}: {run.stderr}')
    return run.stdout


def with_category(page, out):
    """The page with a legend of one category, "War", holding the Gauls' event."""
    with open(page, encoding='utf-8') as f:
        html = f.read()
    start = html.index('<script type="application/json" id="events">') + 44
    end = html.index('</script>', start)
    data = json.loads(html[start:end])
    data['categories'] = [{'name': 'War', 'color': '#c01c28'}]
    data['events'][2]['cat'] = 0
    with open(out, 'w', encoding='utf-8') as f:
        f.write(html[:start] + json.dumps(data).replace('<', '\\u003c') + html[end:])


def check(failures, condition, what):
    if not condition:
        failures.append(what)


def run_checks(b, page, failures):
    b.call('Page.enable')
    b.call('Runtime.enable')
    b.call('Log.enable')
    b.call('Network.enable')
    # Changes of view take effect at once, so that what is measured is where they end.
    b.call('Emulation.setEmulatedMedia', features=[{'name': 'prefers-reduced-motion', 'value': 'reduce'}])
    pages = ['file://' + page, 'file://' + os.path.join(os.path.dirname(page), 'war.html')]
    b.call('Page.navigate', url=pages[0])
    b.wait_for('Page.loadEventFired')
    check(failures, b.js('document.getElementById("legend").hidden'), 'no categories, no legend')
    b.events = [e for e in b.events if e.get('method') != 'Page.loadEventFired']
    b.call('Page.navigate', url=pages[1])
    b.wait_for('Page.loadEventFired')

    boxes = b.js('[...document.querySelectorAll(".box")].map(x => [x.getAttribute("aria-label"), x.tabIndex])')
    check(failures, [label.split(', ')[0] for label, _ in boxes] == DATE_ORDER,
          f'the boxes are every event in date order: {boxes}')
    check(failures, all(tab == 0 for _, tab in boxes), 'every box is focusable')

    # A real click on the first box's picture opens its panel.
    x, y = b.js('(r => [r.x + 10, r.y + 10])(document.querySelector(".box").getBoundingClientRect())')
    b.click(x, y)
    panel = b.js('[document.getElementById("panel").hidden, ...["name", "date", "text"].map('
                 'p => document.getElementById("panel-" + p).textContent), '
                 'document.getElementById("panel-elements").textContent]')
    check(failures, panel[:4] == [False, EVENTS[0][0], '4/21/753 BC', EVENTS[0][2]],
          f'a click opens the panel with the event: {panel}')
    check(failures, 'Romulus' in panel[4] and 'Remus' in panel[4], f'the panel lists the actors: {panel[4]}')
    check(failures, b.js('document.getElementById("panel-picture").src.startsWith("data:image/")'),
          'the panel shows the picture the drawing embeds')

    # Left and Right go in date order, through the hostile names, which show as text.
    seen = []
    for _ in DATE_ORDER[1:]:
        b.key('ArrowRight', 'ArrowRight', 39)
        seen.append(b.js('document.getElementById("panel-name").textContent'))
    check(failures, seen == DATE_ORDER[1:], f'Right steps through the events in date order: {seen}')
    b.key('ArrowLeft', 'ArrowLeft', 37)
    check(failures, b.js('document.getElementById("panel-name").textContent') == DATE_ORDER[2], 'Left goes back')
    check(failures, b.js('document.getElementById("panel-text").textContent') == EVENTS[1][2],
          'a description with markup shows as text')
    check(failures, b.js('window.ran === undefined && document.querySelectorAll("img, script").length === 3'),
          'nothing an event holds runs or becomes an element')
    b.key('Escape', 'Escape', 27)
    check(failures, b.js('document.getElementById("panel").hidden && '
                         'document.activeElement.dataset.index === "2"'),
          'Escape closes the panel and leaves the focus on its box')
    b.key('Tab', 'Tab', 9)
    check(failures, b.js('document.activeElement.dataset.index') == '3', 'Tab goes on to the next event')

    # Search highlights what matches and dims the rest.
    b.js('document.getElementById("search").focus()')
    b.call('Input.insertText', text='rubicon')
    classes = b.js('[...document.querySelectorAll(".box")].map(x => x.classList.contains("hit") ? "hit" : '
                   'x.classList.contains("dim") ? "dim" : "")')
    check(failures, classes == ['dim', 'dim', 'dim', 'hit'], f'search marks the matching box: {classes}')

    # Zoom in from the buttons until the drawing overflows the view; fit then shows it whole and fills it.
    scale = 'Number(document.getElementById("view").dataset.scale)'
    fits = ('(v => (s => [s.left >= v.left - 1 && s.right <= v.right + 1 && s.top >= v.top - 1 && '
            's.bottom <= v.bottom + 1, Math.abs(s.width - v.width) < 2 || Math.abs(s.height - v.height) < 2])'
            '(document.getElementById("drawing").getBoundingClientRect()))'
            '(document.getElementById("view").getBoundingClientRect())')
    before = b.js(scale)
    b.js('for (let i = 0; i < 4; ++i) document.getElementById("zoom-in").click()')
    check(failures, b.js(scale) > before * 2 and not b.js(fits)[0], 'zoom in enlarges the drawing past the view')
    b.js('document.getElementById("fit").click()')
    check(failures, b.js(fits) == [True, True], 'fit shows the whole drawing as large as the view allows')

    # The legend hides a category's events from view and from the keys, and shows them again.
    legend = 'document.querySelector("#legend button")'
    check(failures, b.js('!document.getElementById("legend").hidden && ' + legend + '.textContent.includes("War")'),
          'the legend lists the categories')
    b.js(legend + '.click(); document.querySelectorAll(".box")[1].focus()')
    b.key('ArrowRight', 'ArrowRight', 39)
    check(failures, b.js('document.activeElement.dataset.index') == '3', 'Right passes over a hidden category')
    b.js(legend + '.click()')
    check(failures, b.js('document.querySelectorAll(".box.off").length') == 0, 'a second click shows it again')

    leaving = [e['params']['request']['url'] for e in b.events if e.get('method') == 'Network.requestWillBeSent'
               and e['params']['request']['url'] not in pages and not e['params']['request']['url'].startswith('data:')]
    check(failures, not leaving, f'no request leaves the page: {leaving}')
    errors = [e for e in b.events if e.get('method') == 'Runtime.exceptionThrown' or
              (e.get('method') == 'Log.entryAdded' and e['params']['entry']['level'] == 'error') or
              (e.get('method') == 'Runtime.consoleAPICalled' and e['params']['type'] == 'error')]
    check(failures, not errors, f'no script error: {errors}')


def main():
    tool = sys.argv[1]
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as folder:
        project = os.path.join(folder, 'Rome.qmp')
        qmtool(tool, 'new', project)
        for name, date, text, actors in EVENTS:
            added = qmtool(tool, 'add-event', project, '--date', date, '--name', name, '--description', text,
                           '--actors', actors, '--timeline', 'Timeline0')
            # A new timeline gives its events no picture: these show the stock one.
            qmtool(tool, 'set-picture', project, added.strip(), '--source', 'S', '--name', 'Im0.gif')
        page = os.path.join(folder, 'rome.html')
        qmtool(tool, 'export', project, page)
        with_category(page, os.path.join(folder, 'war.html'))
        try:
            browser = Browser(os.path.join(folder, 'profile'))
        except (OSError, RuntimeError) as e:
            print(f'SKIPPED: the browser could not be started ({e}); install chromium to run this test')
            return SKIPPED
        failures = []
        try:
            run_checks(browser, page, failures)
        finally:
            browser.close()
    for f in failures:
        print('FAILED:', f)
    print('passed' if not failures else f'{len(failures)} checks failed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
