// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/canvasmodel.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace qm {

class ProjectDatabase;
class clTimeLine;

// One event as the web page tells about it.
struct WebEvent
{
    qint32 id = 0;
    QString name;
    // As the date label shows it.
    QString date;
    // The end of a period as shown; empty for an event of one date.
    QString end;
    QString description;
    // Actors, places, sources and keywords.
    std::array<QStringList, 4> elements;
    // Index into WebPageContent::categories; -1 for none.
    int category = -1;
};

// A category of the legend: the events it holds are told apart by its colour.
struct WebCategory
{
    QString name;
    QColor color;
};

// Everything the web page of a timeline holds: the drawing, the events on it and the words around it.
struct WebPageContent
{
    // The canvas as exports show it, at `zoom`.
    CanvasModel model;
    double zoom = 1.0;
    QString title;
    QString subtitle;
    QString description;
    QString projectName;
    QDate exported;
    // The events with a box on the canvas, in date order.
    std::vector<WebEvent> events;
    // The legend; empty when the timeline has none.
    std::vector<WebCategory> categories;

    // The timeline's events and words as the project stores them, for the boxes of `model`.
    static WebPageContent gather(ProjectDatabase &db, const clTimeLine &timeline, const CanvasModel &model, double zoom,
                                 const QString &projectPath, const QDate &exported);
};

} // namespace qm
