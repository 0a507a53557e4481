// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>

#include <unordered_map>
#include <vector>

namespace qm {

class ProjectDatabase;

// "Events with this element get this colour", one of a timeline's ordered categories.
struct CategoryRule
{
    QString type; // "A", "P", "S" or "K"
    qint32 elementId = 0;
    QString elementName;
    qint32 color = 0;

    friend bool operator==(const CategoryRule &, const CategoryRule &) = default;
};

// A timeline's categories in their order, and where its legend stands (full size) and whether it shows.
struct Categories
{
    std::vector<CategoryRule> rules;
    // Where the user put the legend; until then (legendPlaced false) the canvas finds it a place.
    QPointF legendAt;
    bool legendPlaced = false;
    bool legendVisible = true;

    friend bool operator==(const Categories &, const Categories &) = default;
};

// The timeline's categories, each with its element's name now. Rules whose element was deleted are
// left out; a project that never had categories has none. The tables are made by the first save,
// so that files without categories stay as older builds wrote them, and older builds ignore them.
Categories loadCategories(ProjectDatabase &db, qint32 timelineId);
// Replaces the timeline's categories and legend (one transaction).
void saveCategories(ProjectDatabase &db, qint32 timelineId, const Categories &categories);
// The rule each event falls in, by its index in `rules`: the first rule that names one of its
// elements. The events of the timeline, or of the whole project with timelineId 0.
std::unordered_map<qint32, std::size_t> categoryOf(ProjectDatabase &db, qint32 timelineId,
                                                   const std::vector<CategoryRule> &rules);
// The colour of every event of the timeline that a rule matches: the first rule that names one of
// its elements wins.
std::unordered_map<qint32, qint32> categoryColors(ProjectDatabase &db, qint32 timelineId,
                                                  const std::vector<CategoryRule> &rules);
// The elements of a type a rule can name, in name order, as rules without a colour.
std::vector<CategoryRule> categoryChoices(ProjectDatabase &db, const QString &type);
// A colour for the next new rule: a few distinct, dark enough for white text, in turn.
qint32 suggestedCategoryColor(std::size_t ruleCount);
// The element type letter of a word: "actor", "place", "source" or "keyword" (any letter case,
// plural too); "" for anything else.
QString categoryTypeOf(const QString &word);

} // namespace qm
