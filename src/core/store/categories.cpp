// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "categories.h"

#include "projectdatabase.h"
#include "sqlquery.h"

#include <iterator>

namespace qm {

namespace {

bool hasTable(ProjectDatabase &db, const QString &name)
{
    SqlQuery q(db, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"));
    q.bind(name).exec();
    return q.next();
}

} // namespace

Categories loadCategories(ProjectDatabase &db, qint32 timelineId)
{
    Categories c;
    if (hasTable(db, QStringLiteral("Category"))) {
        SqlQuery q(db, QStringLiteral("SELECT c.ElementType, c.ElementId, e.ElementName, c.Color FROM Category c "
                                      "JOIN Element e ON e.Id = c.ElementId WHERE c.TimelineId = ? "
                                      "ORDER BY c.Position, c.rowid"));
        q.bind(timelineId).exec();
        while (q.next())
            c.rules.push_back({q.value(0).toString(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toInt()});
    }
    if (hasTable(db, QStringLiteral("CategoryLegend"))) {
        SqlQuery q(db, QStringLiteral("SELECT LegendLeft, LegendTop, LegendVisible FROM CategoryLegend "
                                      "WHERE TimelineId = ? ORDER BY rowid LIMIT 1"));
        q.bind(timelineId).exec();
        if (q.next()) {
            c.legendPlaced = !q.value(0).isNull() && !q.value(1).isNull();
            if (c.legendPlaced)
                c.legendAt = QPointF(q.value(0).toDouble(), q.value(1).toDouble());
            c.legendVisible = q.value(2).toInt() != 0;
        }
    }
    return c;
}

void saveCategories(ProjectDatabase &db, qint32 timelineId, const Categories &categories)
{
    TransactionGuard guard(db);
    execSql(db, QStringLiteral("CREATE TABLE IF NOT EXISTS Category (TimelineId INTEGER, Position INTEGER, "
                               "ElementType TEXT, ElementId INTEGER, Color INTEGER)"));
    execSql(db, QStringLiteral("CREATE TABLE IF NOT EXISTS CategoryLegend (TimelineId INTEGER, LegendLeft REAL, "
                               "LegendTop REAL, LegendVisible INTEGER)"));
    execSql(db, QStringLiteral("DELETE FROM Category WHERE TimelineId = ?"), {timelineId});
    execSql(db, QStringLiteral("DELETE FROM CategoryLegend WHERE TimelineId = ?"), {timelineId});
    int position = 0;
    for (const CategoryRule &r : categories.rules)
        execSql(db,
                QStringLiteral("INSERT INTO Category (TimelineId, Position, ElementType, ElementId, Color) "
                               "VALUES (?, ?, ?, ?, ?)"),
                {timelineId, position++, r.type, r.elementId, r.color});
    execSql(db,
            QStringLiteral("INSERT INTO CategoryLegend (TimelineId, LegendLeft, LegendTop, LegendVisible) "
                           "VALUES (?, ?, ?, ?)"),
            {timelineId, categories.legendPlaced ? QVariant(categories.legendAt.x()) : QVariant(),
             categories.legendPlaced ? QVariant(categories.legendAt.y()) : QVariant(),
             categories.legendVisible ? -1 : 0});
    guard.commit();
}

std::unordered_map<qint32, std::size_t> categoryOf(ProjectDatabase &db, qint32 timelineId,
                                                   const std::vector<CategoryRule> &rules)
{
    std::unordered_map<qint32, std::size_t> best;
    if (rules.empty())
        return best;
    // An element named by two rules counts with the first.
    std::unordered_map<qint32, std::size_t> rankOf;
    for (std::size_t i = rules.size(); i-- > 0;)
        rankOf[rules[i].elementId] = i;
    SqlQuery q(db, timelineId > 0 ? QStringLiteral("SELECT ee.EventId, ee.ElementId FROM EventElement ee JOIN "
                                                   "TimeLineEvent t ON t.EventId = ee.EventId WHERE t.TimeLineId = ?")
                                  : QStringLiteral("SELECT EventId, ElementId FROM EventElement"));
    if (timelineId > 0)
        q.bind(timelineId);
    q.exec();
    while (q.next()) {
        const auto rank = rankOf.find(q.value(1).toInt());
        if (rank == rankOf.end())
            continue;
        const auto [it, added] = best.emplace(q.value(0).toInt(), rank->second);
        if (!added && rank->second < it->second)
            it->second = rank->second;
    }
    return best;
}

std::unordered_map<qint32, qint32> categoryColors(ProjectDatabase &db, qint32 timelineId,
                                                  const std::vector<CategoryRule> &rules)
{
    std::unordered_map<qint32, qint32> colors;
    for (const auto &[eventId, rank] : categoryOf(db, timelineId, rules))
        colors.emplace(eventId, rules[rank].color);
    return colors;
}

std::vector<CategoryRule> categoryChoices(ProjectDatabase &db, const QString &type)
{
    std::vector<CategoryRule> choices;
    SqlQuery q(db, QStringLiteral("SELECT Id, ElementName FROM Element WHERE ElementType = ? ORDER BY ElementName"));
    q.bind(type).exec();
    while (q.next())
        choices.push_back({type, q.value(0).toInt(), q.value(1).toString(), 0});
    return choices;
}

qint32 suggestedCategoryColor(std::size_t ruleCount)
{
    // Red + 256 x green + 65536 x blue: dark red, blue, green, orange, purple, teal, brown.
    static constexpr qint32 palette[] = {0x00008B, 0x9E4E1F, 0x327D2E, 0x0051E6, 0x9A1B6A, 0x8F8300, 0x414C6D};
    return palette[ruleCount % std::size(palette)];
}

QString categoryTypeOf(const QString &word)
{
    const QString w = word.toLower();
    const struct
    {
        const char *word;
        const char *letter;
    } types[] = {{"actor", "A"}, {"place", "P"}, {"source", "S"}, {"keyword", "K"}};
    for (const auto &t : types) {
        const QString singular = QString::fromLatin1(t.word);
        if (w == singular || w == singular + u's')
            return QString::fromLatin1(t.letter);
    }
    return {};
}

} // namespace qm
