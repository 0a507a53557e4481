// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagesetup.h"

#include <QLocale>
#include <QSizeF>
#include <QStringList>

#include <algorithm>

namespace qm {

namespace {

constexpr int LargestPercent = 1000;
constexpr int MostSheets = 50;
constexpr double LargestMargin = 100.0;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

PageSetup::Paper localePaper()
{
    // Letter is the paper of the places that measure in inches.
    return QLocale().measurementSystem() == QLocale::MetricSystem ? PageSetup::Paper::A4 : PageSetup::Paper::Letter;
}

} // namespace

PageSetup PageSetup::defaults()
{
    PageSetup s;
    s.paper = localePaper();
    return s;
}

QString PageSetup::paperName(Paper paper)
{
    switch (paper) {
    case Paper::A4:
        return QStringLiteral("A4");
    case Paper::Letter:
        return QStringLiteral("Letter");
    case Paper::A3:
        return QStringLiteral("A3");
    case Paper::Printer:
        return QStringLiteral("printer");
    }
    return {};
}

bool PageSetup::setPaper(const QString &text, QString *error)
{
    for (Paper p : {Paper::A4, Paper::Letter, Paper::A3, Paper::Printer}) {
        if (text.compare(paperName(p), Qt::CaseInsensitive) == 0) {
            paper = p;
            return true;
        }
    }
    return fail(error, QStringLiteral("The paper must be A4, Letter, A3 or printer, not \"%1\"").arg(text));
}

bool PageSetup::setOrientation(const QString &text, QString *error)
{
    if (text.compare(u"landscape", Qt::CaseInsensitive) == 0)
        orientation = QPageLayout::Landscape;
    else if (text.compare(u"portrait", Qt::CaseInsensitive) == 0)
        orientation = QPageLayout::Portrait;
    else
        return fail(error, QStringLiteral("The orientation must be landscape or portrait, not \"%1\"").arg(text));
    return true;
}

bool PageSetup::setFit(const QString &given, QString *error)
{
    const QString text = given.trimmed().toLower();
    const QString usage =
        QStringLiteral("The fit must be one, N-wide, NxM (sheets wide by high) or a percentage, not \"%1\"").arg(given);
    bool ok = false;
    if (text == u"one") {
        fit = Fit::OnePage;
        return true;
    }
    if (text.endsWith(u"-wide")) {
        const int n = text.chopped(5).toInt(&ok);
        if (!ok || n < 1 || n > MostSheets)
            return fail(error, usage);
        fit = Fit::Pages;
        pagesWide = n;
        pagesHigh = 0;
        return true;
    }
    if (text.contains(u'x')) {
        bool okHigh = false;
        const int n = text.section(u'x', 0, 0).toInt(&ok);
        const int m = text.section(u'x', 1).toInt(&okHigh);
        if (!ok || !okHigh || n < 1 || m < 1 || n > MostSheets || m > MostSheets)
            return fail(error, usage);
        fit = Fit::Pages;
        pagesWide = n;
        pagesHigh = m;
        return true;
    }
    const int p = (text.endsWith(u'%') ? text.chopped(1) : text).toInt(&ok);
    if (!ok || p < 1 || p > LargestPercent)
        return fail(error, usage);
    fit = Fit::Percent;
    percent = p;
    return true;
}

QString PageSetup::fitText() const
{
    switch (fit) {
    case Fit::OnePage:
        return QStringLiteral("one");
    case Fit::Pages:
        return pagesHigh > 0 ? QStringLiteral("%1x%2").arg(pagesWide).arg(pagesHigh)
                             : QStringLiteral("%1-wide").arg(pagesWide);
    case Fit::Percent:
        return QStringLiteral("%1%").arg(percent);
    }
    return {};
}

QString PageSetup::toText() const
{
    return QStringLiteral("paper=%1;orientation=%2;margins=%3,%4,%5,%6;fit=%7")
        .arg(paperName(paper),
             orientation == QPageLayout::Landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"))
        .arg(margins.left())
        .arg(margins.top())
        .arg(margins.right())
        .arg(margins.bottom())
        .arg(fitText());
}

PageSetup PageSetup::fromText(const QString &text)
{
    PageSetup s = defaults();
    for (const QString &part : text.split(u';', Qt::SkipEmptyParts)) {
        const QString key = part.section(u'=', 0, 0).trimmed();
        const QString value = part.section(u'=', 1).trimmed();
        if (key == u"paper")
            s.setPaper(value, nullptr);
        else if (key == u"orientation")
            s.setOrientation(value, nullptr);
        else if (key == u"fit")
            s.setFit(value, nullptr);
        else if (key == u"margins") {
            const QStringList mm = value.split(u',');
            double v[4] = {0, 0, 0, 0};
            bool all = mm.size() == 4;
            for (int i = 0; all && i < 4; ++i) {
                v[i] = mm[i].toDouble(&all);
                all = all && v[i] >= 0 && v[i] <= LargestMargin;
            }
            if (all)
                s.margins = QMarginsF(v[0], v[1], v[2], v[3]);
        }
    }
    return s;
}

QPageSize PageSetup::pageSize() const
{
    switch (paper) {
    case Paper::A4:
        return QPageSize(QPageSize::A4);
    case Paper::Letter:
        return QPageSize(QPageSize::Letter);
    case Paper::A3:
        return QPageSize(QPageSize::A3);
    case Paper::Printer:
        break;
    }
    return QPageSize(defaults().paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout PageSetup::pageLayout(const QPageSize &printerPaper) const
{
    const QPageSize size = paper == Paper::Printer && printerPaper.isValid() ? printerPaper : pageSize();
    QPageLayout layout(size, orientation, QMarginsF(), QPageLayout::Millimeter);
    // Margins wider than the sheet would leave nothing to print on.
    const QSizeF sheet = size.size(QPageSize::Millimeter);
    const double across = orientation == QPageLayout::Landscape ? sheet.height() : sheet.width();
    const double down = orientation == QPageLayout::Landscape ? sheet.width() : sheet.height();
    const double room = 0.45;
    layout.setMargins(QMarginsF(std::min(margins.left(), across * room), std::min(margins.top(), down * room),
                                std::min(margins.right(), across * room), std::min(margins.bottom(), down * room)));
    return layout;
}

} // namespace qm
