// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolcontext.h"

#include "edit/moveboxescommand.h"
#include "edit/scalecommands.h"
#include "layout/scalelayout.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/projectlifecycle.h"

#include <QFileInfo>
#include <QUndoStack>

#include <cmath>
#include <limits>

namespace qmtool {

namespace {

// The timeline as the window shows it right after loading: full size on a 96 DPI screen.
struct LoadedTimeline
{
    LoadedTimeline(const QString &file, const Arguments &a, qm::ProjectDatabase::Mode mode)
    {
        qm::setProjectPath(g, QFileInfo(file).absoluteFilePath());
        g.ProjectDb.open(g.ProjectPath, mode);
        g.MinDist = qm::mdlParms::readParameters(g.ProjectDb).minDist;
        if (!canvas.LoadTimeLine(chooseTimeline(g.ProjectDb, a)))
            throw ToolFailure(QStringLiteral("The timeline could not be loaded"));
    }

    qm::Globals g;
    qm::FontTextMeasurer measurer{96.0};
    qm::TimelineCanvas canvas{g, measurer};
};

void printBoxes(const qm::CanvasModel &model)
{
    // A timeline to scale says so first, with its twips a year at full size: the connector x follow from it.
    if (model.timeScale)
        out(QStringLiteral("to scale\t") + QString::number(model.timeScale->twipsPerYear, 'g', 8));
    constexpr double far = std::numeric_limits<float>::max();
    for (const qm::CanvasBox *b : model.boxesInZOrder(QRectF(-far, -far, 2 * far, 2 * far))) {
        const QRectF &pic = b->picture.rect;
        const QRectF &name = b->name.rect;
        const QRectF &date = b->date.rect;
        QStringList fields{QString::number(b->id)};
        for (const double v : {pic.left(), pic.top(), pic.left() + pic.width(), pic.top() + pic.height(),
                               b->connector.p1.x(), name.left(), name.top(), name.left() + name.width(),
                               name.top() + name.height(), date.left(), date.left() + date.width()})
            fields << QString::number(qm::roundTwips(v));
        out(fields.join(u'\t'));
    }
}

} // namespace

void zoomAsAsked(qm::TimelineCanvas &canvas, const Arguments &a)
{
    if (!a.has(QStringLiteral("zoom")))
        return;
    bool ok = false;
    const double zoom = a.option(QStringLiteral("zoom")).toDouble(&ok);
    if (!ok || !(zoom > 0.0) || zoom > 100.0)
        throw UsageError(QStringLiteral("--zoom needs a number above 0 and at most 100"));
    canvas.globals().Zoom = zoom;
    canvas.ScaleCanvas(zoom);
}

int cmdBoxes(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline")});
    if (a.positional.size() != 1)
        throw UsageError(QStringLiteral("boxes needs a project FILE"));
    LoadedTimeline t(a.positional[0], a, qm::ProjectDatabase::Mode::ReadOnly);
    printBoxes(t.canvas.model());
    return ExitDone;
}

int cmdCompress(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline"), QStringLiteral("zoom")});
    if (a.positional.size() != 2 || (a.positional[1] != u"1" && a.positional[1] != u"2"))
        throw UsageError(QStringLiteral("compress needs a project FILE and 1 or 2"));
    const bool store = a.positional[1] == u"2";
    // Compress 1 changes the screen only: the project is not even opened for writing.
    LoadedTimeline t(a.positional[0], a,
                     store ? qm::ProjectDatabase::Mode::ReadWrite : qm::ProjectDatabase::Mode::ReadOnly);
    if (t.canvas.model().timeScale)
        throw ToolFailure(QStringLiteral("The timeline is drawn to scale: its dates place the boxes, and there is "
                                         "nothing to compress"));
    zoomAsAsked(t.canvas, a);
    if (store) {
        QUndoStack stack;
        qm::pushCommand(stack, std::make_unique<qm::Compress2Command>(t.canvas));
    } else {
        t.canvas.Compress();
    }
    printBoxes(t.canvas.model());
    return ExitDone;
}

int cmdScale(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline"), QStringLiteral("years")});
    if (a.positional.size() != 2 || (a.positional[1] != u"order" && a.positional[1] != u"time"))
        throw UsageError(QStringLiteral("scale needs a project FILE and order or time"));
    qm::TimeScaleCommand::Scale scale{a.positional[1] == u"time", 0.0};
    if (a.has(QStringLiteral("years"))) {
        bool ok = false;
        scale.yearsPerWidth = a.option(QStringLiteral("years")).toDouble(&ok);
        if (!ok || !(scale.yearsPerWidth > 0.0) || scale.yearsPerWidth > 100000.0)
            throw UsageError(QStringLiteral("--years needs a number above 0 and at most 100000"));
    }
    LoadedTimeline t(a.positional[0], a, qm::ProjectDatabase::Mode::ReadWrite);
    QUndoStack stack;
    qm::pushCommand(stack, std::make_unique<qm::TimeScaleCommand>(t.canvas, t.g.CurTimeLineId, scale));
    printBoxes(t.canvas.model());
    return ExitDone;
}

int cmdArrangeRows(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline")});
    if (a.positional.size() != 1)
        throw UsageError(QStringLiteral("arrange-rows needs a project FILE"));
    LoadedTimeline t(a.positional[0], a, qm::ProjectDatabase::Mode::ReadWrite);
    if (!t.canvas.model().timeScale)
        throw ToolFailure(QStringLiteral("The timeline is not drawn to scale"));
    QUndoStack stack;
    qm::pushCommand(stack, qm::ScaleRowsCommand::arrangeRows(t.canvas));
    printBoxes(t.canvas.model());
    return ExitDone;
}

int cmdTicks(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline"), QStringLiteral("zoom")});
    if (a.positional.size() != 1)
        throw UsageError(QStringLiteral("ticks needs a project FILE"));
    LoadedTimeline t(a.positional[0], a, qm::ProjectDatabase::Mode::ReadOnly);
    zoomAsAsked(t.canvas, a);
    const qm::CanvasModel &m = t.canvas.model();
    if (!m.timeScale)
        throw ToolFailure(QStringLiteral("The timeline is not drawn to scale: its axis has no marks"));
    // The labels belong to the long marks, in the same order.
    std::size_t label = 0;
    for (const qm::CanvasLine &mark : m.axisMarks) {
        const bool major = label < m.axisLabels.size() &&
                           std::abs(m.axisLabels[label].rect.center().x() - mark.p1.x()) < 1.0 &&
                           mark.p2.y() - mark.p1.y() > 100.0 * t.g.Zoom;
        out(QString::number(qm::roundTwips(mark.p1.x())) + u'\t' +
            (major ? field(m.axisLabels[label++].caption) : QString()));
    }
    return ExitDone;
}

} // namespace qmtool
