// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolcontext.h"

#include "layout/canvasmodel.h"
#include "store/categories.h"
#include "store/projectdatabase.h"
#include "store/textrule.h"

#include <QColor>
#include <QRegularExpression>

namespace qmtool {

namespace {

QString typeWord(const QString &letter)
{
    for (const char *word : {"actor", "place", "source", "keyword"}) {
        if (qm::categoryTypeOf(QString::fromLatin1(word)) == letter)
            return QString::fromLatin1(word);
    }
    return letter;
}

qint32 colourOf(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (!hex.match(text).hasMatch())
        throw UsageError(QStringLiteral("a colour is written #rrggbb, not \"%1\"").arg(text));
    return qm::longFromColor(QColor::fromRgb(static_cast<QRgb>(text.mid(1).toUInt(nullptr, 16))));
}

} // namespace

int cmdCategories(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline")});
    const QStringList &p = a.positional;
    const QString action = p.value(1);
    if (p.size() < 2 || (action == u"list" && p.size() != 2) || (action == u"clear" && p.size() != 2) ||
        (action == u"add" && p.size() != 5) || (action != u"list" && action != u"clear" && action != u"add"))
        throw UsageError(QStringLiteral("categories needs FILE and list, clear, or add TYPE NAME COLOUR"));
    qm::ProjectDatabase db;
    db.open(p[0], action == u"list" ? qm::ProjectDatabase::Mode::ReadOnly : qm::ProjectDatabase::Mode::ReadWrite);
    const qint32 timeline = chooseTimeline(db, a);
    qm::Categories categories = qm::loadCategories(db, timeline);
    if (action == u"list") {
        for (const qm::CategoryRule &r : categories.rules)
            out(QStringList{typeWord(r.type), field(r.elementName), qm::colorFromLong(r.color).name()}.join(u'\t'));
        return ExitDone;
    }
    if (action == u"clear") {
        categories.rules.clear();
    } else {
        const QString type = qm::categoryTypeOf(p[2]);
        if (type.isEmpty())
            throw UsageError(QStringLiteral("TYPE is actor, place, source or keyword, not \"%1\"").arg(p[2]));
        const qint32 color = colourOf(p[4]);
        bool found = false;
        for (const qm::CategoryRule &choice : qm::categoryChoices(db, type)) {
            if (qm::textrule::sameName(choice.elementName, p[3])) {
                categories.rules.push_back({type, choice.elementId, choice.elementName, color});
                found = true;
                break;
            }
        }
        if (!found)
            throw ToolFailure(QStringLiteral("The project has no %1 named \"%2\"").arg(typeWord(type), p[3]));
    }
    qm::saveCategories(db, timeline, categories);
    return ExitDone;
}

} // namespace qmtool
