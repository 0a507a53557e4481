// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/frmtext.h"
#include "capture/panemarks.h"
#include "common/windowsession.h"
#include "core/store/storetestsupport.h"
#include "store/clevent.h"
#include "testsupport.h"
#include "ui/scripteddialogs.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace qmtest {

// A capture window on a fresh project, without the main window: no timeline is shown.
struct CaptureWindow : public ::testing::Test
{
    TempProject t;
    qm::Globals &g = t.g;
    ScriptedDialogs dialogs;
    qm::WindowSession windows;
    std::unique_ptr<qm::frmText> w = std::make_unique<qm::frmText>(g, windows, dialogs);

    void setText(const QString &plain)
    {
        w->rtb->setPlainText(plain);
        w->rtb->document()->setModified(false);
    }
    // Selects [start, start + length) of the pane.
    void select(qsizetype start, qsizetype length)
    {
        QTextCursor c(w->rtb->document());
        c.setPosition(static_cast<int>(start));
        c.setPosition(static_cast<int>(start + length), QTextCursor::KeepAnchor);
        w->rtb->setTextCursor(c);
    }
    void select(const QString &what) { select(w->rtb->toPlainText().indexOf(what), what.size()); }
    // The format of the character at a position of the pane.
    QTextCharFormat formatAt(qsizetype position) const
    {
        QTextCursor c(w->rtb->document());
        c.setPosition(static_cast<int>(position) + 1);
        return c.charFormat();
    }
    QTextCharFormat formatOf(const QString &what) const { return formatAt(w->rtb->toPlainText().indexOf(what)); }
    // Whether the scan's red mark is on the first character of the text.
    bool isRed(const QString &what) const { return w->marks()->isFound(w->rtb->toPlainText().indexOf(what)); }
    // The text of the date marked as shown.
    QString shown() const
    {
        const auto [start, length] = w->marks()->shownDate();
        return w->rtb->toPlainText().mid(start, length);
    }
    qint32 store(const QString &date, const QString &name) { return storeEvent(g, date, name); }
    int committedEvents() const { return committedCount(t.projectPath, "SELECT COUNT(*) FROM Event"); }
};

} // namespace qmtest
