// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datewords.h"

#include <QString>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace qm::datewords {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber();
}

bool oneOf(QStringView word, std::initializer_list<const char16_t *> words)
{
    return std::any_of(words.begin(), words.end(), [word](const char16_t *w) { return word == QStringView(w); });
}

// Matches `pattern` (capitals and periods) at p, letter case aside unless `exactCase`.
bool matchesAt(QStringView text, qsizetype p, QStringView pattern, bool exactCase)
{
    if (text.size() - p < pattern.size())
        return false;
    const QStringView here = text.mid(p, pattern.size());
    return here.compare(pattern, exactCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

} // namespace

bool sameWord(QStringView word, QStringView lower)
{
    if (word.size() != lower.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        char16_t u = word[i].unicode();
        if (u >= u'A' && u <= u'Z')
            u = static_cast<char16_t>(u + (u'a' - u'A'));
        if (u != lower[i].unicode())
            return false;
    }
    return true;
}

int monthNumber(QStringView word)
{
    static const std::array<const char16_t *, 12> names = {
        u"january", u"february", u"march",     u"april",   u"may",      u"june",
        u"july",    u"august",   u"september", u"october", u"november", u"december",
    };
    if (word.size() < 3 || word.size() > 9)
        return 0;
    char16_t first = word.front().unicode();
    if (first >= u'A' && first <= u'Z')
        first = static_cast<char16_t>(first + (u'a' - u'A'));
    for (int i = 0; i < 12; ++i) {
        const QStringView name(names[static_cast<size_t>(i)]);
        if (name.front() == first && (word.size() == 3 || word.size() == name.size()) &&
            sameWord(word, name.left(word.size())))
            return i + 1;
    }
    return sameWord(word, u"sept") ? 9 : 0;
}

int countWord(QStringView word)
{
    static const std::array<const char16_t *, 20> words = {
        u"one",     u"two",     u"three",     u"four",     u"five",     u"six",      u"seven",
        u"eight",   u"nine",    u"ten",       u"eleven",   u"twelve",   u"thirteen", u"fourteen",
        u"fifteen", u"sixteen", u"seventeen", u"eighteen", u"nineteen", u"twenty",
    };
    if (word.isEmpty() || word.size() > 9)
        return 0;
    if (word.front().isLetter()) {
        char16_t first = word.front().unicode();
        if (first >= u'A' && first <= u'Z')
            first = static_cast<char16_t>(first + (u'a' - u'A'));
        for (size_t i = 0; i < words.size(); ++i) {
            if (words[i][0] == first && sameWord(word, QStringView(words[i])))
                return static_cast<int>(i) + 1;
        }
        return 0;
    }
    bool ok = false;
    const int n = word.toInt(&ok);
    return ok && n >= 1 && n <= 99 ? n : 0;
}

EraWord eraAt(QStringView text, qsizetype p, bool before)
{
    // Longest first, so that "BCE" is not read as "BC" followed by a letter.
    static const struct
    {
        const char16_t *word;
        Era era;
    } words[] = {
        {u"B.C.E.", Era::BC}, {u"B.C.E", Era::BC}, {u"BCE", Era::BC},  {u"B.C.", Era::BC},
        {u"B.C", Era::BC},    {u"BC", Era::BC},    {u"A.D.", Era::AD}, {u"A.D", Era::AD},
        {u"AD", Era::AD},     {u"C.E.", Era::AD},  {u"C.E", Era::AD},  {u"CE", Era::AD},
    };
    for (const auto &w : words) {
        const QStringView pattern(w.word);
        if (before && !pattern.startsWith(u'A'))
            continue;
        if (!matchesAt(text, p, pattern, before))
            continue;
        const qsizetype end = p + pattern.size();
        if (end < text.size() && isWordChar(text[end]))
            continue;
        return {w.era, pattern.size()};
    }
    return {};
}

bool introducesYear(QStringView w)
{
    return oneOf(w, {u"in",   u"by",     u"until",  u"till",   u"since",  u"from", u"during", u"early",      u"late",
                     u"mid",  u"before", u"after",  u"around", u"circa",  u"c",    u"ca",     u"throughout", u"between",
                     u"year", u"spring", u"summer", u"autumn", u"winter", u"fall", u"as",     u"through",    u"of"});
}

bool narrates(QStringView w)
{
    // "since 1813", "as in 1614", "until 1918" look away from the time the text tells of.
    return !oneOf(
        w, {u"since", u"until", u"till", u"before", u"after", u"as", u"between", u"circa", u"c", u"ca", u"around"});
}

bool namesPeriod(QStringView w)
{
    return oneOf(w, {u"spring", u"summer",       u"autumn",     u"winter",    u"fall",      u"end",    u"beginning",
                     u"start",  u"middle",       u"half",       u"part",      u"year",      u"years",  u"months",
                     u"course", u"events",       u"campaign",   u"campaigns", u"war",       u"treaty", u"peace",
                     u"battle", u"constitution", u"revolution", u"elections", u"offensive", u"crisis", u"siege"});
}

bool isFunctionWord(QStringView w)
{
    return oneOf(w, {u"the",  u"a",     u"an",    u"and",    u"or",    u"but",    u"he",   u"she",   u"it",
                     u"they", u"we",    u"his",   u"her",    u"their", u"its",    u"when", u"while", u"with",
                     u"in",   u"on",    u"at",    u"by",     u"to",    u"of",     u"for",  u"as",    u"was",
                     u"were", u"had",   u"after", u"before", u"until", u"during", u"from", u"which", u"who",
                     u"that", u"there", u"this",  u"these",  u"then",  u"is",     u"are",  u"saw",   u"did"});
}

bool labelsNumber(QStringView w)
{
    return oneOf(w, {u"page",
                     u"pages",
                     u"p",
                     u"pp",
                     u"chapter",
                     u"chapters",
                     u"ch",
                     u"no",
                     u"nos",
                     u"number",
                     u"vol",
                     u"volume",
                     u"flight",
                     u"resolution",
                     u"route",
                     u"model",
                     u"boeing",
                     u"section",
                     u"article",
                     u"paragraph",
                     u"line",
                     u"verse",
                     u"room",
                     u"highway",
                     u"hill",
                     u"height",
                     u"figure",
                     u"fig",
                     u"table",
                     u"code",
                     u"division",
                     u"regiment",
                     u"squadron",
                     u"over",
                     u"than",
                     u"some",
                     u"nearly",
                     u"almost",
                     u"about",
                     u"only",
                     u"all",
                     u"another",
                     u"approximately",
                     u"total",
                     u"totalling",
                     u"totaling"});
}

bool countsNumber(QStringView word, bool strict)
{
    if (word.isEmpty())
        return false;
    // Units and the things history texts count; a capital word after a year is a name ("1917 Battle").
    static const std::initializer_list<const char16_t *> counted = {
        u"km",      u"mi",      u"m",          u"kg",         u"lb",        u"lbs",       u"ft",        u"t",
        u"miles",   u"mile",    u"kilometres", u"kilometers", u"kilometre", u"kilometer", u"metres",    u"meters",
        u"yards",   u"feet",    u"tons",       u"tonnes",     u"men",       u"people",    u"persons",   u"soldiers",
        u"troops",  u"ships",   u"aircraft",   u"planes",     u"tanks",     u"guns",      u"prisoners", u"dead",
        u"killed",  u"wounded", u"casualties", u"cases",      u"victims",   u"women",     u"children",  u"civilians",
        u"horses",  u"men's",   u"pounds",     u"dollars",    u"francs",    u"marks",     u"rubles",    u"yen",
        u"percent", u"per",     u"million",    u"billion",    u"thousand",  u"hundred",   u"times",     u"votes",
    };
    QString lower = word.toString().toLower();
    if (std::any_of(counted.begin(), counted.end(), [&](const char16_t *w) { return lower == QStringView(w); }))
        return true;
    if (!strict || !word.front().isLower() || lower.size() < 4)
        return false;
    // A plural: "sorties", "warships"; not "was", "his", "across".
    return lower.endsWith(u's') && !lower.endsWith(u"ss") && !lower.endsWith(u"us") && !lower.endsWith(u"is") &&
           lower != u"thus";
}

} // namespace qm::datewords
