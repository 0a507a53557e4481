// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "menustate.h"

#include <initializer_list>

namespace qm {

namespace {

const std::initializer_list<const char *> EventButtons = {"tbEvents/New", "tbEvents/Edit", "tbEvents/Include",
                                                          "tbEvents/Exclude", "tbEvents/Delete"};
const std::initializer_list<const char *> ArrangeButtons = {"tbArrange/Compress1", "tbArrange/Compress2",
                                                            "tbArrange/ZoomIn", "tbArrange/ZoomOut"};
const std::initializer_list<const char *> TimelineButtons = {
    "tbTimeLines/New", "tbTimeLines/Delete", "tbTimeLines/Edit", "tbTimeLines/Color", "tbTimeLines/Wall"};
const std::initializer_list<const char *> EventEntries = {
    "mnuEventNew",         "mnuEventEdit",         "mnuEventSelectPicture", "mnuEventList",
    "mnuEventExclude",     "mnuEventDelete",       "mnuEventCopyFormat",    "mnuEventCopyPicture",
    "mnuEventPasteFormat", "mnuEventPastePicture", "mnuEventMakeDefFormat", "mnuEventMakeDefPicture"};
// What works on every selected box (or on the one selected) at once.
const std::initializer_list<const char *> ManyEntries = {"mnuEventEditElements", "mnuEventCopyTo", "mnuEventMoveTo"};

// What stays on for a read-only project: looking, copying formats and pictures, output.
bool keptWhenReadOnly(const QString &name)
{
    static const std::initializer_list<const char *> kept = {
        "mnuEventS",           "mnuEventCopyFormat",  "mnuEventCopyPicture", "mnuTimelineS",       "cmbTimeLine0",
        "mnuFormat",           "mnuFormatZoomIn",     "mnuFormatZoomOut",    "mnuFormatCompress1", "tbArrange/ZoomIn",
        "tbArrange/ZoomOut",   "tbArrange/Compress1", "mnuFileSaveAs",       "mnuFileShowPages",   "mnuFilePrint",
        "mnuFilePrintPreview", "tbFile/SaveAs",       "tbFile/Print"};
    for (const char *n : kept) {
        if (name == QLatin1StringView(n))
            return true;
    }
    return false;
}

} // namespace

bool MenuState::enabled(const QString &name) const
{
    if (mReadOnly && !keptWhenReadOnly(name))
        return false;
    const auto it = mEnabled.find(name);
    return it != mEnabled.end() && it->second;
}

void MenuState::setClipboards(bool hasFormat, bool hasPicture)
{
    mClipFormat = hasFormat;
    mClipPicture = hasPicture;
    applyEventState();
}

void MenuState::setToScale(bool toScale)
{
    mToScale = toScale;
    applyScale();
}

void MenuState::applyScale()
{
    const bool shown = mTimeline >= TimelineShown;
    for (const char *n : {"mnuFormatCompress1", "mnuFormatCompress2", "tbArrange/Compress1", "tbArrange/Compress2"})
        mEnabled[QString::fromLatin1(n)] = shown && !mToScale;
    mEnabled[QStringLiteral("mnuFormatScale")] = shown;
    mEnabled[QStringLiteral("mnuFormatArrangeRows")] = shown && mToScale;
}

void MenuState::setToolsState(int state)
{
    if (state == 2)
        return;
    mTools = state != 0;
    for (const char *n : {"mnuTools", "mnuToolsCapture", "mnuToolsManage", "tbTools/Extract", "tbTools/Elements"})
        mEnabled[QString::fromLatin1(n)] = mTools;
}

void MenuState::setTimelineState(int state)
{
    mTimeline = state;
    const bool project = state >= ProjectOpen;
    const bool shown = state >= TimelineShown;
    for (const char *n : TimelineButtons)
        mEnabled[QString::fromLatin1(n)] = shown;
    mEnabled[QStringLiteral("tbTimeLines/New")] = project;
    mEnabled[QStringLiteral("cmbTimeLine0")] = project;
    mEnabled[QStringLiteral("mnuTimelineS")] = project;
    mEnabled[QStringLiteral("mnuTimeLineNew")] = project;
    mEnabled[QStringLiteral("mnuTimelineEdit")] = shown;
    mEnabled[QStringLiteral("mnuTimeLineDelete")] = shown;
    mEnabled[QStringLiteral("mnuTimelineCategories")] = shown;
    mEnabled[QStringLiteral("mnuTimelineColor")] = shown;
    mEnabled[QStringLiteral("mnuTimelineWall")] = shown;
    mEnabled[QStringLiteral("mnuFormat")] = shown;
    for (const char *n : {"mnuFormatZoomIn", "mnuFormatZoomOut", "mnuFormatCompress1", "mnuFormatCompress2"})
        mEnabled[QString::fromLatin1(n)] = shown;
    for (const char *n : ArrangeButtons)
        mEnabled[QString::fromLatin1(n)] = shown;
    mEnabled[QStringLiteral("mnuFormatZoomFit")] = shown;
    applyScale();
    // Only a shown timeline has a canvas to save or print.
    for (const char *n : {"mnuFileSaveAs", "mnuFilePageSetup", "mnuFileShowPages", "mnuFilePrint",
                          "mnuFilePrintPreview", "tbFile/SaveAs", "tbFile/Print"})
        mEnabled[QString::fromLatin1(n)] = shown;
    if (project)
        setToolsState(1);
    else
        setToolsState(0);
    setEventState(shown ? NoSelection : NoTimeline);
}

void MenuState::setEventState(int state)
{
    mEvent = state;
    applyEventState();
}

void MenuState::applyEventState()
{
    for (const char *n : EventEntries)
        mEnabled[QString::fromLatin1(n)] = false;
    mEnabled[QStringLiteral("mnuFormatEvent")] = false;
    for (const char *n : EventButtons)
        mEnabled[QString::fromLatin1(n)] = false;
    for (const char *n : ManyEntries)
        mEnabled[QString::fromLatin1(n)] = mEvent == BoxSelected;
    mEnabled[QStringLiteral("mnuEventS")] = mEvent != NoTimeline;
    if (mEvent == NoTimeline)
        return;

    for (const char *n : {"mnuEventNew", "mnuEventList", "tbEvents/New", "tbEvents/Include"})
        mEnabled[QString::fromLatin1(n)] = true;
    mEnabled[QStringLiteral("mnuEventMakeDefFormat")] = mClipFormat;
    mEnabled[QStringLiteral("mnuEventMakeDefPicture")] = mClipPicture;
    if (mEvent != BoxSelected)
        return;

    for (const char *n : EventButtons)
        mEnabled[QString::fromLatin1(n)] = true;
    for (const char *n : {"mnuEventEdit", "mnuEventSelectPicture", "mnuEventExclude", "mnuEventDelete",
                          "mnuEventCopyFormat", "mnuEventCopyPicture", "mnuFormatEvent"})
        mEnabled[QString::fromLatin1(n)] = true;
    mEnabled[QStringLiteral("mnuEventPasteFormat")] = mClipFormat;
    mEnabled[QStringLiteral("mnuEventPastePicture")] = mClipPicture;
}

} // namespace qm
