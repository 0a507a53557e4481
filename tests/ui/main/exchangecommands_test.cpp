// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/frmimportpreview.h"
#include "edit/canvascommand.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

using ExchangeCommands = qmtest::MainWindow;

// The Action column and colour state of the preview, row by row.
QStringList previewActions(QWidget *dialog)
{
    auto *rows = dialog->findChild<QTableWidget *>(QStringLiteral("lvRows"));
    QStringList list;
    for (int r = 0; rows && r < rows->rowCount(); ++r)
        list << rows->item(r, 0)->text() + u' ' + rows->item(r, 1)->text();
    return list;
}

} // namespace

TEST_F(ExchangeCommands, ExportThenImportAnEditedSheetThroughThePreview)
{
    startWithNewProject();
    ASSERT_TRUE(w->mnuFileImportEvents->isEnabled());
    const qint32 ides = qmtest::storeEvent(g, "3/15/44 BC", "Ides");
    const qint32 july = qmtest::storeEvent(g, "7/4/1776", "Declaration");
    const QString sheet = path("events.csv");

    // All events of the project, not only those of the timeline shown.
    dialogs.answers.push_back(false);
    dialogs.fileNames.push_back(sheet);
    w->mnuFileExportEvents->trigger();
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    // Proposed beside the project, wherever the program was started from.
    EXPECT_EQ(dialogs.saveDialogs.back().value(3), path("Rome.csv"));
    QByteArray bytes = qmtest::fileBytes(sheet);
    bytes.replace("\"Declaration\"", "\"Independence\"");
    bytes += ",\"1/1/2000\",,,\"Millennium\",,,,,,,,\"Timeline0\"\r\n,\"31/2/2000\",,,\"Bad\",,,,,,,,\r\n";
    ASSERT_TRUE(qmtest::writeFile(sheet, bytes));

    dialogs.fileNames.push_back(sheet);
    QStringList seen;
    bool importEnabled = false;
    qmtest::onNextModal([&](QWidget *dialog) {
        seen = previewActions(dialog);
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        importEnabled = ok->isEnabled();
        ok->click();
    });
    w->mnuFileImportEvents->trigger();
    qmtest::settle();
    EXPECT_EQ(seen, (QStringList{"2 Unchanged", QStringLiteral("3 Update of event %1").arg(july), "4 New event",
                                 "5 Refused: unreadable date \"31/2/2000\""}));
    EXPECT_TRUE(importEnabled);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();

    EXPECT_EQ(qm::loadEventAside(g, july)->Name, "Independence");
    // The new event went on the timeline shown, and the canvas shows it.
    EXPECT_EQ(w->canvas().model().boxCount(), 1u);
    EXPECT_FALSE(w->canvas().IsOnCanvas(ides));
}
