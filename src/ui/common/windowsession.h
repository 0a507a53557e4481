// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/clformat.h"

#include <QImage>
#include <QString>

#include <array>
#include <memory>

namespace qm {

// What only the windows share while the program runs, and the project never sees: the clipboards of
// the event menu, the text last searched for in the capture window, and the element type the
// element manager shows. The main window owns one and hands it to the windows it opens; dialogs give
// their results back themselves.
class WindowSession
{
public:
    // A box's format, and a box's picture with the names that find it again in its library ("" when
    // nothing was copied).
    std::unique_ptr<clFormat> ClipFormat;
    QImage ClipPicture;
    QString ClipImageName;
    QString ClipImageSource;
    // The text last searched for in the capture window; it outlives the window.
    QString FindText;
    // The element type the element manager shows; it keeps it from one opening to the next.
    QString ManageElementType;
    // How the event list was left: its sort, search and filters, for its next opening.
    struct EventListView
    {
        bool kept = false;
        int sortColumn = 1;
        Qt::SortOrder sortOrder = Qt::AscendingOrder;
        QString search;
        bool tickedOnly = false;
        std::array<bool, 4> filterOn{};
        std::array<QString, 4> filterNames;
        QString from;
        QString to;
    };
    EventListView EventList;
};

} // namespace qm
