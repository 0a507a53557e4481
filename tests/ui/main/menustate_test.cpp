// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/menustate.h"
#include "qtprinters.h"

#include <QStringList>

#include <gtest/gtest.h>

using qm::MenuState;

namespace {

QStringList offered(const MenuState &s, const QStringList &names)
{
    QStringList result;
    for (const QString &n : names) {
        if (s.enabled(n))
            result << n;
    }
    return result;
}

} // namespace

TEST(MenuState, EventEntriesNeedASelectionAndPasteEntriesAClipboard)
{
    const QStringList selected = {"mnuEventEdit", "mnuEventDelete", "mnuEventCopyFormat", "tbEvents/Edit"};
    const QStringList clipboards = {"mnuEventPasteFormat", "mnuEventPastePicture", "mnuEventMakeDefFormat",
                                    "mnuEventMakeDefPicture"};
    MenuState s;
    s.setTimelineState(MenuState::TimelineShown);
    EXPECT_EQ(offered(s, selected + clipboards), QStringList());
    EXPECT_TRUE(s.enabled("tbEvents/New"));
    EXPECT_TRUE(s.enabled("mnuFilePageSetup")) << "a shown timeline has pages to set up";
    s.setClipboards(true, false);
    EXPECT_EQ(offered(s, selected + clipboards), QStringList{"mnuEventMakeDefFormat"}) << "no box selected";

    s.setEventState(MenuState::BoxSelected);
    EXPECT_EQ(offered(s, selected + clipboards),
              (selected + QStringList{"mnuEventPasteFormat", "mnuEventMakeDefFormat"}));
    s.setClipboards(false, true);
    EXPECT_EQ(offered(s, clipboards), (QStringList{"mnuEventPastePicture", "mnuEventMakeDefPicture"}));

    s.setTimelineState(MenuState::ProjectOpen);
    EXPECT_EQ(offered(s, selected + clipboards + QStringList{"mnuEventS", "tbEvents/New"}), QStringList());
}

TEST(MenuState, ToScaleNothingMovesBoxesSidewaysAndOnlyThereRowsAreArranged)
{
    const QStringList scaleEntries = {"mnuFormatCompress1",  "mnuFormatCompress2", "tbArrange/Compress1",
                                      "tbArrange/Compress2", "mnuFormatScale",     "mnuFormatArrangeRows"};
    MenuState s;
    s.setToScale(true);
    s.setTimelineState(MenuState::TimelineShown);
    EXPECT_EQ(offered(s, scaleEntries), (QStringList{"mnuFormatScale", "mnuFormatArrangeRows"}));
    s.setToScale(false);
    EXPECT_EQ(offered(s, scaleEntries), scaleEntries.mid(0, 5));
    s.setTimelineState(MenuState::ProjectOpen);
    EXPECT_EQ(offered(s, scaleEntries), QStringList());
}

TEST(MenuState, AReadOnlyProjectIsShownExportedAndPrintedOnly)
{
    MenuState s;
    s.setTimelineState(MenuState::TimelineShown);
    s.setClipboards(true, true);
    s.setEventState(MenuState::BoxSelected);
    s.setReadOnly(true);
    const QStringList kept = {"mnuEventCopyFormat", "mnuFormatZoomIn", "mnuFileSaveAs", "mnuFilePrint", "cmbTimeLine0"};
    const QStringList changing = {
        "mnuEventNew",        "mnuEventPasteFormat", "tbEvents/Exclude", "mnuTimeLineNew",        "tbTimeLines/Color",
        "mnuFormatCompress2", "mnuToolsCapture",     "tbTools/Elements", "mnuEventMakeDefFormat", "mnuFilePageSetup"};
    EXPECT_EQ(offered(s, kept + changing), kept);
}
