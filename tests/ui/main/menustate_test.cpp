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

const QStringList EventNames = {"mnuEventS",
                                "mnuEventNew",
                                "mnuEventEdit",
                                "mnuEventSelectPicture",
                                "mnuEventList",
                                "mnuEventExclude",
                                "mnuEventDelete",
                                "mnuEventCopyFormat",
                                "mnuEventCopyPicture",
                                "mnuEventPasteFormat",
                                "mnuEventPastePicture",
                                "mnuEventMakeDefFormat",
                                "mnuEventMakeDefPicture",
                                "tbEvents/New",
                                "tbEvents/Edit",
                                "tbEvents/Include",
                                "tbEvents/Exclude",
                                "tbEvents/Delete"};

} // namespace

TEST(MenuState, TimelineStatesOpenUpStepByStep)
{
    const QStringList names = {"mnuTimelineS",     "mnuTimeLineNew",  "mnuTimelineEdit",  "mnuTimeLineDelete",
                               "cmbTimeLine0",     "tbTimeLines/New", "tbTimeLines/Edit", "mnuFormat",
                               "tbArrange/ZoomIn", "mnuTools",        "tbTools/Extract",  "mnuEventS"};
    MenuState s;
    s.setTimelineState(MenuState::NoProject);
    EXPECT_EQ(offered(s, names), QStringList());
    s.setTimelineState(MenuState::ProjectOpen);
    EXPECT_EQ(offered(s, names), (QStringList{"mnuTimelineS", "mnuTimeLineNew", "cmbTimeLine0", "tbTimeLines/New",
                                              "mnuTools", "tbTools/Extract"}));
    s.setTimelineState(MenuState::TimelineShown);
    EXPECT_EQ(offered(s, names), (QStringList{"mnuTimelineS", "mnuTimeLineNew", "mnuTimelineEdit", "mnuTimeLineDelete",
                                              "cmbTimeLine0", "tbTimeLines/New", "tbTimeLines/Edit", "mnuFormat",
                                              "tbArrange/ZoomIn", "mnuTools", "tbTools/Extract", "mnuEventS"}));
    EXPECT_EQ(s.eventState(), MenuState::NoSelection);
}

TEST(MenuState, PasteEntriesFollowTheClipboards)
{
    MenuState s;
    s.setTimelineState(MenuState::TimelineShown);
    EXPECT_EQ(offered(s, EventNames),
              (QStringList{"mnuEventS", "mnuEventNew", "mnuEventList", "tbEvents/New", "tbEvents/Include"}));
    s.setClipboards(true, false);
    EXPECT_TRUE(s.enabled(QStringLiteral("mnuEventMakeDefFormat")));
    EXPECT_FALSE(s.enabled(QStringLiteral("mnuEventPasteFormat"))) << "no box selected";

    s.setEventState(MenuState::BoxSelected);
    EXPECT_TRUE(s.enabled(QStringLiteral("mnuEventPasteFormat")));
    EXPECT_FALSE(s.enabled(QStringLiteral("mnuEventPastePicture")));
    EXPECT_FALSE(s.enabled(QStringLiteral("mnuEventMakeDefPicture")));
    s.setClipboards(false, true);
    EXPECT_FALSE(s.enabled(QStringLiteral("mnuEventPasteFormat")));
    EXPECT_TRUE(s.enabled(QStringLiteral("mnuEventPastePicture")));
    EXPECT_EQ(offered(s, EventNames).size(), EventNames.size() - 2);

    s.setTimelineState(MenuState::ProjectOpen);
    EXPECT_EQ(offered(s, EventNames), QStringList());
}

TEST(MenuState, ToolsStateTwoLeavesThemAlone)
{
    MenuState s;
    s.setToolsState(1);
    s.setToolsState(2);
    EXPECT_TRUE(s.enabled(QStringLiteral("tbTools/Elements")));
    s.setToolsState(0);
    s.setToolsState(2);
    EXPECT_FALSE(s.enabled(QStringLiteral("mnuTools")));
}
