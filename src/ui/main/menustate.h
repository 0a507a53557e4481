// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <map>

namespace qm {

// Which commands the main window offers in each state: no project, a project without a shown
// timeline, a timeline shown, a box selected; and what the clipboards hold.
class MenuState
{
public:
    enum TimelineState { NoProject = 0, ProjectOpen = 1, TimelineShown = 2 };
    enum EventState { NoTimeline = 0, NoSelection = 1, BoxSelected = 2 };

    void setTimelineState(int state);
    void setEventState(int state);
    // 0 disables the tools, 2 leaves them as they are, anything else enables them.
    void setToolsState(int state);
    void setClipboards(bool hasFormat, bool hasPicture);
    // A timeline drawn to scale places its boxes by their dates: nothing moves them sideways there
    // (compressing is off), and only there are rows to arrange.
    void setToScale(bool toScale);
    bool toScale() const { return mToScale; }
    // A read-only project is shown, exported and printed, never changed: every command that would
    // change it is off.
    void setReadOnly(bool readOnly) { mReadOnly = readOnly; }
    bool readOnly() const { return mReadOnly; }

    int timelineState() const { return mTimeline; }
    int eventState() const { return mEvent; }

    // Whether the named menu entry or tool button ("tbEvents/New", "mnuEventEdit") is offered.
    bool enabled(const QString &name) const;

private:
    void applyEventState();
    void applyScale();

    int mTimeline = NoProject;
    int mEvent = NoTimeline;
    bool mTools = false;
    bool mClipFormat = false;
    bool mClipPicture = false;
    bool mReadOnly = false;
    bool mToScale = false;
    std::map<QString, bool> mEnabled;
};

} // namespace qm
