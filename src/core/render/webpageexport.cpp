// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "webpageexport.h"

#include "exportfile.h"
#include "svgcompactor.h"
#include "vectorexport.h"
#include "webpagecontent.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <map>

namespace qm {

namespace {

// The page is laid out in CSS pixels, 96 to the inch: a twip is a fifteenth of one.
constexpr double TwipsPerPixel = 15.0;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/web/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray html(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

// A length on the page, to a tenth of a pixel: finer than any screen, and short.
double pixels(double twips)
{
    return std::round(twips / TwipsPerPixel * 10.0) / 10.0;
}

// Pictures no sharper than PictureSharpness times the largest size a box shows them at: enough for
// screens of double density and the panel, at a fraction of the bytes of a scanned original. Every
// box showing one picture keeps sharing one image, so the drawing still defines it once.
void shrinkPictures(CanvasModel &model, double zoom)
{
    std::map<qint64, double> scales;
    for (const auto &[id, box] : model.boxes()) {
        const QImage &image = box.picture.image;
        if (!box.picture.visible || image.isNull())
            continue;
        const QSizeF shown = box.picture.rect.size() / zoom / TwipsPerPixel;
        const double scale =
            WebPageExport::PictureSharpness * std::min(shown.width() / image.width(), shown.height() / image.height());
        double &most = scales.try_emplace(image.cacheKey(), 0.0).first->second;
        most = std::max(most, scale);
    }
    std::map<qint64, QImage> shrunk;
    for (qint32 id : model.boxIds()) {
        CanvasPicture &picture = model.box(id)->picture;
        const auto scale = scales.find(picture.image.cacheKey());
        if (scale == scales.end() || scale->second >= 1.0 || !picture.visible)
            continue;
        auto [it, fresh] = shrunk.try_emplace(scale->first);
        if (fresh) {
            const QSize size(std::max(1, static_cast<int>(std::ceil(picture.image.width() * scale->second))),
                             std::max(1, static_cast<int>(std::ceil(picture.image.height() * scale->second))));
            it->second = picture.image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        picture.image = it->second;
    }
}

// The drawing as the SVG export makes it, made fit to stand inside the page: no XML declaration,
// hidden from screen readers (the boxes over it speak for it), sized by the page's style. `pictures`
// learns which picture definition each event's box shows.
QByteArray drawing(const WebPageContent &page, std::map<qint32, int> &pictures, QString *error)
{
    CanvasModel model = page.model;
    shrinkPictures(model, page.zoom);
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    std::vector<qint64> keys;
    if (!VectorExport::writeSvg(model, page.zoom, svg, error, &keys))
        return {};
    for (const auto &[id, box] : model.boxes()) {
        const auto key = std::find(keys.begin(), keys.end(), box.picture.image.cacheKey());
        if (box.picture.visible && !box.picture.image.isNull() && key != keys.end())
            pictures.emplace(id, static_cast<int>(key - keys.begin()));
    }
    QByteArray out = svg.data();
    const qsizetype start = out.indexOf("<svg");
    if (start < 0) {
        fail(error, QStringLiteral("the drawing could not be made"));
        return {};
    }
    out = SvgCompactor::compact(out.mid(start));
    out.insert(4, " id=\"drawing\" aria-hidden=\"true\" focusable=\"false\"");
    return out;
}

QJsonArray rectArray(const QRectF &twips, double zoom)
{
    return {pixels(twips.x() / zoom), pixels(twips.y() / zoom), pixels(twips.width() / zoom),
            pixels(twips.height() / zoom)};
}

// The events with their boxes' places, in date order; the page draws nothing from it, it only reads.
QByteArray eventData(const WebPageContent &page, const std::map<qint32, int> &pictures)
{
    const CanvasModel &model = page.model;
    std::map<qint32, int> stacking;
    for (const CanvasBox *box : model.boxesInZOrder(QRectF(0, 0, model.width, model.height)))
        stacking.emplace(box->id, static_cast<int>(stacking.size()) + 1);
    QJsonArray events;
    for (const WebEvent &e : page.events) {
        const CanvasBox *box = model.box(e.id);
        if (!box)
            continue;
        QRectF area;
        for (const CanvasLabel *label : {&box->name, &box->date}) {
            if (label->visible)
                area |= label->rect;
        }
        if (box->picture.visible)
            area |= box->picture.rect;
        QJsonObject o{{QStringLiteral("id"), e.id},
                      {QStringLiteral("name"), e.name},
                      {QStringLiteral("date"), e.date},
                      {QStringLiteral("box"), rectArray(area, page.zoom)},
                      {QStringLiteral("z"), stacking[e.id]}};
        if (!e.end.isEmpty())
            o.insert(QStringLiteral("end"), e.end);
        if (!e.description.isEmpty())
            o.insert(QStringLiteral("text"), e.description);
        const auto picture = pictures.find(e.id);
        if (picture != pictures.end())
            o.insert(QStringLiteral("pic"), picture->second);
        if (std::any_of(e.elements.begin(), e.elements.end(), [](const QStringList &l) { return !l.isEmpty(); })) {
            QJsonArray elements;
            for (const QStringList &names : e.elements)
                elements.append(QJsonArray::fromStringList(names));
            o.insert(QStringLiteral("elements"), elements);
        }
        if (e.category >= 0 && e.category < static_cast<int>(page.categories.size()))
            o.insert(QStringLiteral("cat"), e.category);
        events.append(o);
    }
    QJsonArray categories;
    for (const WebCategory &c : page.categories)
        categories.append(QJsonObject{{QStringLiteral("name"), c.name}, {QStringLiteral("color"), c.color.name()}});
    const QJsonObject data{{QStringLiteral("width"), pixels(std::ceil(model.width / page.zoom))},
                           {QStringLiteral("height"), pixels(std::ceil(model.height / page.zoom))},
                           {QStringLiteral("events"), events},
                           {QStringLiteral("categories"), categories}};
    // A "<" only ever stands inside a string here; escaped, no text can close the data's element.
    return QJsonDocument(data).toJson(QJsonDocument::Compact).replace("<", "\\u003c");
}

QByteArray heading(const WebPageContent &page)
{
    QByteArray out = "<h1 id=\"title\">" + html(page.title) + "</h1>";
    if (!page.subtitle.trimmed().isEmpty())
        out += "\n<p class=\"subtitle\">" + html(page.subtitle) + "</p>";
    if (!page.description.trimmed().isEmpty())
        out += "\n<p class=\"description\">" + html(page.description) + "</p>";
    return out;
}

// The template with each @NAME@ replaced by its value, in one pass over the template alone: what a
// value holds is never read as a name.
QByteArray filled(const QByteArray &text, const std::map<QByteArray, QByteArray> &values)
{
    QByteArray out;
    static const QRegularExpression name(QStringLiteral("@([A-Z_]+)@"));
    qsizetype from = 0;
    const QString t = QString::fromUtf8(text);
    for (auto it = name.globalMatch(t); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const auto value = values.find(m.captured(1).toLatin1());
        if (value == values.end())
            continue;
        out += t.mid(from, m.capturedStart() - from).toUtf8();
        out += value->second;
        from = m.capturedEnd();
    }
    out += t.mid(from).toUtf8();
    return out;
}

} // namespace

bool WebPageExport::isWebPage(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    return ext == u"html" || ext == u"htm";
}

bool WebPageExport::write(const WebPageContent &page, QIODevice &device, QString *error)
{
    const QByteArray layout = resource(QStringLiteral("webpage.html"));
    const QByteArray style = resource(QStringLiteral("webpage.css"));
    const QByteArray script = resource(QStringLiteral("webpage.js"));
    if (layout.isEmpty() || style.isEmpty() || script.isEmpty())
        return fail(error, QStringLiteral("the page's script and style are missing from this program"));
    std::map<qint32, int> pictures;
    const QByteArray svg = drawing(page, pictures, error);
    if (svg.isEmpty())
        return false;
    const QLocale locale;
    const QByteArray hash = QCryptographicHash::hash(script, QCryptographicHash::Sha256).toBase64();
    const QByteArray out = filled(layout, {{"LANG", html(locale.bcp47Name())},
                                           {"SCRIPT_HASH", "sha256-" + hash},
                                           {"PAGE_TITLE", html(page.title)},
                                           {"STYLE", style},
                                           {"HEADING", heading(page)},
                                           {"DRAWING", svg},
                                           {"DATA", eventData(page, pictures)},
                                           {"SCRIPT", script},
                                           {"EXPORTED_ISO", page.exported.toString(Qt::ISODate).toUtf8()},
                                           {"EXPORTED", html(locale.toString(page.exported, QLocale::LongFormat))},
                                           {"PROJECT", html(page.projectName)}});
    if (device.write(out) != out.size())
        return fail(error, device.errorString());
    return true;
}

bool WebPageExport::exportPage(const WebPageContent &page, const QString &fileName, QString *error)
{
    return ExportFile::write(
        fileName, [&](QIODevice &d, QString *why) { return write(page, d, why); }, error);
}

} // namespace qm
