// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The timeline page: moving about the drawing, reading an event, searching and filtering. Every text
// of the events reaches the page through textContent and attributes, never as markup.
(function () {
    'use strict';

    var data = JSON.parse(document.getElementById('events').textContent);
    var events = data.events;
    var W = data.width, H = data.height;
    var view = document.getElementById('view');
    var stage = document.getElementById('stage');
    var drawing = document.getElementById('drawing');
    var layer = document.getElementById('boxes');
    var panel = document.getElementById('panel');
    var search = document.getElementById('search');
    var found = document.getElementById('found');
    var MaxScale = 8, Margin = 24;
    var scale = 1, x = 0, y = 0;
    var current = -1;
    var boxes = [];
    var categoryShown = data.categories.map(function () { return true; });
    var elementWords = ['Actors', 'Places', 'Sources', 'Keywords'];

    function byId(id) { return document.getElementById(id); }

    // Text compared without letter case or accents, as people search.
    function folded(text) {
        return text.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase();
    }

    drawing.style.width = W + 'px';
    drawing.style.height = H + 'px';
    stage.style.width = W + 'px';
    stage.style.height = H + 'px';

    events.forEach(function (e, i) {
        var b = document.createElement('button');
        b.type = 'button';
        b.className = 'box';
        b.setAttribute('aria-label', e.name + ', ' + e.date + (e.end ? ' – ' + e.end : ''));
        b.setAttribute('aria-controls', 'panel');
        b.dataset.index = i;
        b.dataset.id = e.id;
        b.style.left = e.box[0] + 'px';
        b.style.top = e.box[1] + 'px';
        b.style.width = e.box[2] + 'px';
        b.style.height = e.box[3] + 'px';
        b.style.zIndex = e.z;
        b.addEventListener('click', function () { openEvent(i); });
        // A box pressed to drag the drawing stays where it is; one reached by keys comes into sight.
        b.addEventListener('focus', function () {
            if (!pointers.size)
                showBox(i);
        });
        layer.appendChild(b);
        boxes.push(b);
        var words = [e.name, e.date, e.end || '', e.text || ''];
        (e.elements || []).forEach(function (names) { words = words.concat(names); });
        e.words = folded(words.join('\n'));
    });

    // The view: the drawing scaled and moved inside the frame, never quite out of sight.
    function fitScale() {
        return Math.min(view.clientWidth / W, view.clientHeight / H);
    }
    function minScale() { return Math.min(1, fitScale()); }
    function apply() {
        var vw = view.clientWidth, vh = view.clientHeight, w = W * scale, h = H * scale;
        x = w <= vw ? (vw - w) / 2 : Math.min(0, Math.max(vw - w, x));
        y = h <= vh ? (vh - h) / 2 : Math.min(0, Math.max(vh - h, y));
        stage.style.transform = 'translate(' + x + 'px, ' + y + 'px) scale(' + scale + ')';
        stage.style.setProperty('--inv', String(1 / scale));
        view.dataset.scale = scale.toFixed(4);
    }
    function zoomAt(factor, px, py) {
        var s = Math.max(minScale(), Math.min(MaxScale, scale * factor));
        x = px - (px - x) * s / scale;
        y = py - (py - y) * s / scale;
        scale = s;
        apply();
    }
    function zoomBy(factor) { zoomAt(factor, view.clientWidth / 2, view.clientHeight / 2); }
    function fit() {
        scale = fitScale();
        apply();
    }
    function glide(change) {
        stage.classList.add('gliding');
        change();
        window.setTimeout(function () { stage.classList.remove('gliding'); }, 250);
    }
    // The part of the view the panel leaves free: beside it, or above it where it covers the width.
    function free() {
        var vw = view.clientWidth, vh = view.clientHeight;
        if (panel.hidden)
            return { w: vw, h: vh };
        if (panel.offsetWidth >= vw * 0.9)
            return { w: vw, h: Math.max(vh / 3, vh - panel.offsetHeight) };
        return { w: Math.max(vw / 2, vw - panel.offsetWidth), h: vh };
    }
    // Whether the event's box is in sight beside the panel.
    function inSight(i) {
        var r = events[i].box, f = free(), left = x + r[0] * scale, top = y + r[1] * scale;
        return left >= Margin && left + r[2] * scale <= f.w - Margin && top >= Margin &&
            top + r[3] * scale <= f.h - Margin;
    }
    // Where the drawing goes to bring a stretch of it into a free length: centred, or from its start
    // when it is longer.
    function placing(start, length, room) {
        return length * scale > room - 2 * Margin ? Margin - start * scale : room / 2 - (start + length / 2) * scale;
    }
    // Moves the drawing, when needed, so that the event's box is in sight.
    function showBox(i) {
        var r = events[i].box, f = free();
        if (!inSight(i)) {
            x = placing(r[0], r[2], f.w);
            y = placing(r[1], r[3], f.h);
        }
        view.scrollLeft = 0;
        view.scrollTop = 0;
        apply();
    }

    byId('zoom-in').addEventListener('click', function () { glide(function () { zoomBy(1.25); }); });
    byId('zoom-out').addEventListener('click', function () { glide(function () { zoomBy(0.8); }); });
    byId('fit').addEventListener('click', function () { glide(fit); });
    window.addEventListener('resize', apply);
    // Focus moving to a box would scroll the frame itself; the drawing moves instead.
    view.addEventListener('scroll', function () { view.scrollLeft = 0; view.scrollTop = 0; });

    view.addEventListener('wheel', function (ev) {
        ev.preventDefault();
        var unit = ev.deltaMode === 1 ? 16 : ev.deltaMode === 2 ? view.clientHeight : 1;
        var rect = view.getBoundingClientRect();
        if (ev.ctrlKey || ev.metaKey) {
            // A pinch on a touchpad arrives as a wheel with Ctrl.
            zoomAt(Math.exp(-ev.deltaY * unit * 0.002), ev.clientX - rect.left, ev.clientY - rect.top);
            return;
        }
        var dx = ev.deltaX * unit, dy = ev.deltaY * unit;
        if (ev.shiftKey || H * scale <= view.clientHeight) {
            dx += dy;
            dy = 0;
        }
        x -= dx;
        y -= dy;
        apply();
    }, { passive: false });

    // Dragging with one pointer moves the drawing; two pointers pinch. A press that moved is no click.
    var pointers = new Map(), moved = false, pinch = 0;
    function spread() {
        var p = Array.from(pointers.values());
        return Math.hypot(p[0].x - p[1].x, p[0].y - p[1].y);
    }
    view.addEventListener('pointerdown', function (ev) {
        if (ev.button !== 0)
            return;
        pointers.set(ev.pointerId, { x: ev.clientX, y: ev.clientY, startX: ev.clientX, startY: ev.clientY });
        if (pointers.size === 1)
            moved = false;
        if (pointers.size === 2)
            pinch = spread();
    });
    view.addEventListener('pointermove', function (ev) {
        var p = pointers.get(ev.pointerId);
        if (!p)
            return;
        var dx = ev.clientX - p.x, dy = ev.clientY - p.y;
        p.x = ev.clientX;
        p.y = ev.clientY;
        if (!moved && Math.hypot(ev.clientX - p.startX, ev.clientY - p.startY) < 5)
            return;
        if (!moved) {
            moved = true;
            view.setPointerCapture(ev.pointerId);
            view.classList.add('dragging');
        }
        if (pointers.size === 2) {
            var d = spread(), rect = view.getBoundingClientRect(), all = Array.from(pointers.values());
            if (pinch > 0)
                zoomAt(d / pinch, (all[0].x + all[1].x) / 2 - rect.left, (all[0].y + all[1].y) / 2 - rect.top);
            pinch = d;
            return;
        }
        x += dx;
        y += dy;
        apply();
    });
    function release(ev) {
        pointers.delete(ev.pointerId);
        if (pointers.size < 2)
            pinch = 0;
        if (pointers.size === 0)
            view.classList.remove('dragging');
    }
    view.addEventListener('pointerup', release);
    view.addEventListener('pointercancel', release);
    view.addEventListener('click', function (ev) {
        if (moved) {
            ev.stopPropagation();
            ev.preventDefault();
            moved = false;
        }
    }, true);
    // Pinching on a touchpad in WebKit.
    var gestureScale = 1;
    view.addEventListener('gesturestart', function (ev) { ev.preventDefault(); gestureScale = 1; });
    view.addEventListener('gesturechange', function (ev) {
        ev.preventDefault();
        var rect = view.getBoundingClientRect();
        zoomAt(ev.scale / gestureScale, ev.clientX - rect.left, ev.clientY - rect.top);
        gestureScale = ev.scale;
    });

    // The panel of one event.
    function fillElements(list, e) {
        list.textContent = '';
        (e.elements || []).forEach(function (names, t) {
            if (!names.length)
                return;
            var dt = document.createElement('dt'), dd = document.createElement('dd');
            dt.textContent = elementWords[t];
            dd.textContent = names.join(', ');
            list.appendChild(dt);
            list.appendChild(dd);
        });
        list.hidden = !list.firstChild;
    }
    function openEvent(i) {
        var e = events[i];
        if (current >= 0)
            boxes[current].removeAttribute('aria-current');
        current = i;
        boxes[i].setAttribute('aria-current', 'true');
        var picture = byId('panel-picture'), source = e.pic === undefined ? null : byId('qmpicture' + e.pic);
        var address = source && (source.getAttribute('xlink:href') || source.getAttribute('href'));
        picture.hidden = !address;
        if (address)
            picture.src = address;
        else
            picture.removeAttribute('src');
        byId('panel-name').textContent = e.name;
        byId('panel-date').textContent = e.end ? e.date + ' – ' + e.end : e.date;
        byId('panel-text').textContent = e.text || '';
        var category = byId('panel-category');
        category.hidden = e.cat === undefined;
        if (e.cat !== undefined) {
            category.firstElementChild.style.background = data.categories[e.cat].color;
            category.lastElementChild.textContent = data.categories[e.cat].name;
        }
        fillElements(byId('panel-elements'), e);
        byId('previous').disabled = step(i, -1) < 0;
        byId('next').disabled = step(i, 1) < 0;
        panel.hidden = false;
        panel.scrollTop = 0;
        if (document.activeElement !== boxes[i])
            boxes[i].focus({ preventScroll: true });
        showBox(i);
    }
    function closePanel() {
        if (panel.hidden)
            return;
        var was = current;
        panel.hidden = true;
        if (was >= 0) {
            boxes[was].removeAttribute('aria-current');
            boxes[was].focus({ preventScroll: true });
        }
        current = -1;
    }
    byId('close').addEventListener('click', closePanel);
    byId('previous').addEventListener('click', function () { go(-1); });
    byId('next').addEventListener('click', function () { go(1); });

    // The next event in date order that the legend leaves shown; -1 past either end.
    function step(from, by) {
        for (var i = from + by; i >= 0 && i < events.length; i += by) {
            if (!boxes[i].classList.contains('off'))
                return i;
        }
        return -1;
    }
    function focusedIndex() {
        var f = document.activeElement;
        return f && f.classList && f.classList.contains('box') ? Number(f.dataset.index) : -1;
    }
    function goTo(to) {
        if (to < 0)
            return;
        if (current >= 0)
            openEvent(to);
        else
            boxes[to].focus({ preventScroll: true });
    }
    function go(by) {
        var from = current >= 0 ? current : focusedIndex();
        goTo(from < 0 ? step(by > 0 ? -1 : events.length, by) : step(from, by));
    }

    document.addEventListener('keydown', function (ev) {
        if (ev.altKey || ev.ctrlKey || ev.metaKey)
            return;
        if (ev.target === search) {
            if (ev.key === 'Escape' && search.value) {
                search.value = '';
                filter();
            } else if (ev.key === 'Enter') {
                var first = boxes.findIndex(function (b) { return b.classList.contains('hit'); });
                if (first >= 0)
                    boxes[first].focus({ preventScroll: true });
            }
            return;
        }
        if (ev.key === 'Escape') {
            closePanel();
        } else if (ev.key === 'ArrowLeft' || ev.key === 'ArrowRight') {
            go(ev.key === 'ArrowLeft' ? -1 : 1);
        } else if (ev.key === 'Home' || ev.key === 'End') {
            goTo(ev.key === 'Home' ? step(-1, 1) : step(events.length, -1));
        } else if (ev.key === '+' || ev.key === '=') {
            glide(function () { zoomBy(1.25); });
        } else if (ev.key === '-') {
            glide(function () { zoomBy(0.8); });
        } else if (ev.key === '0') {
            glide(fit);
        } else if (ev.key === '/') {
            search.focus();
        } else {
            return;
        }
        ev.preventDefault();
    });

    // Search and legend: matching events stand out, the others fade; hidden categories drop out.
    function filter() {
        var terms = folded(search.value.trim()).split(/\s+/).filter(Boolean), hits = 0;
        events.forEach(function (e, i) {
            var b = boxes[i];
            var off = e.cat !== undefined && !categoryShown[e.cat];
            var hit = terms.length > 0 && !off && terms.every(function (t) { return e.words.indexOf(t) >= 0; });
            hits += hit ? 1 : 0;
            b.classList.toggle('off', off);
            b.classList.toggle('hit', hit);
            b.classList.toggle('dim', terms.length > 0 && !hit && !off);
            b.tabIndex = off ? -1 : 0;
            b.setAttribute('aria-hidden', off ? 'true' : 'false');
        });
        found.textContent = !terms.length ? '' : hits === 1 ? '1 event found' :
            hits === 0 ? 'No event found' : hits + ' events found';
    }
    // A search whose matches are all out of sight brings the first into view.
    search.addEventListener('input', function () {
        filter();
        var hits = [];
        boxes.forEach(function (b, i) {
            if (b.classList.contains('hit'))
                hits.push(i);
        });
        if (hits.length && !hits.some(inSight))
            showBox(hits[0]);
    });

    var legend = byId('legend');
    data.categories.forEach(function (c, k) {
        var b = document.createElement('button'), swatch = document.createElement('span');
        b.type = 'button';
        b.setAttribute('aria-pressed', 'true');
        swatch.className = 'swatch';
        swatch.style.background = c.color;
        b.appendChild(swatch);
        b.appendChild(document.createTextNode(' ' + c.name));
        b.addEventListener('click', function () {
            categoryShown[k] = !categoryShown[k];
            b.setAttribute('aria-pressed', String(categoryShown[k]));
            if (current >= 0 && events[current].cat === k)
                closePanel();
            filter();
        });
        legend.appendChild(b);
    });
    legend.hidden = data.categories.length === 0;

    // An address ending in #event-ID opens that event: a link can point at one.
    function fromAddress() {
        var m = /^#event-(\d+)$/.exec(window.location.hash);
        var i = m ? events.findIndex(function (e) { return String(e.id) === m[1]; }) : -1;
        if (i >= 0)
            openEvent(i);
    }
    window.addEventListener('hashchange', fromAddress);

    // At first the drawing fills the height, at most at full size, from its left end.
    scale = Math.min(1, view.clientHeight / H);
    x = 0;
    y = 0;
    apply();
    fromAddress();
}());
