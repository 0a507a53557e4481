// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventproposal.h"

#include <QRegularExpression>

#include "store/projectdatabase.h"
#include "store/sqlquery.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

constexpr qsizetype MaxProposedName = 80;

bool endsClause(QChar c)
{
    return c == u',' || c == u';' || c == u':' || c == u'(' || c == u')' || c == QChar(0x2014) || c == QChar(0x2013);
}

// Words that only lead into the date: "on 5 May 1789", "in 1795", "by Easter 1916".
bool leadsIntoDate(QStringView word)
{
    for (const char16_t *w : {u"on",    u"in",   u"at",     u"by",    u"of",     u"during", u"from",  u"since",
                              u"until", u"till", u"before", u"after", u"around", u"about",  u"circa", u"early",
                              u"late",  u"mid",  u"the",    u"that",  u"then",   u"between"}) {
        if (word.compare(QStringView(w), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString tidy(QString s)
{
    // Brackets that held only the date ("The Terror (1793-94) ended") go with it.
    static const QRegularExpression emptyBrackets(QStringLiteral(R"(\(\s*[,;]?\s*\)|\[\s*\])"));
    s.remove(emptyBrackets);
    s = s.simplified();
    while (!s.isEmpty() && (endsClause(s.front()) || s.front() == u'.' || s.front() == u'-'))
        s = s.mid(1).trimmed();
    while (!s.isEmpty() && (endsClause(s.back()) || s.back() == u'-')) {
        s.chop(1);
        s = s.trimmed();
    }
    s.replace(QStringLiteral(" ,"), QStringLiteral(","));
    return s;
}

// Drops the words before the date that only lead into it.
QString withoutLeadIn(QString before)
{
    before = before.trimmed();
    for (;;) {
        const qsizetype blank = before.lastIndexOf(u' ');
        const QStringView last = QStringView(before).mid(blank + 1);
        if (last.isEmpty() || !leadsIntoDate(last))
            return before;
        before.truncate(blank < 0 ? 0 : blank);
        before = before.trimmed();
    }
}

// "Columbus sailed and": a clause cut at the date, or a name cut at 80 characters, may end on a word
// that only led on to what was cut.
QString withoutDanglingWord(QString s)
{
    for (;;) {
        const qsizetype blank = s.lastIndexOf(u' ');
        const QStringView last = QStringView(s).mid(blank + 1);
        bool dangling = false;
        for (const char16_t *w :
             {u"and", u"but", u"or", u"while", u"when", u"as", u"which", u"who", u"where", u"the", u"a",
              u"an",  u"of",  u"to", u"in",    u"on",   u"at", u"by",    u"for", u"with",  u"from"})
            dangling = dangling || last.compare(QStringView(w), Qt::CaseInsensitive) == 0;
        if (blank < 0 || !dangling)
            return s;
        s = tidy(s.left(blank));
    }
}

// "and the Estates-General opened": the word that joined the clause to the one before goes.
QString withoutJoiningWord(QString s)
{
    const qsizetype blank = s.indexOf(u' ');
    const QStringView first = QStringView(s).left(blank);
    for (const char16_t *w : {u"and", u"but", u"or", u"then", u"while", u"so", u"yet"}) {
        if (blank > 0 && first.compare(QStringView(w), Qt::CaseInsensitive) == 0)
            return s.mid(blank + 1);
    }
    return s;
}

QString cutAtWord(const QString &s)
{
    if (s.size() <= MaxProposedName)
        return s;
    qsizetype cut = s.lastIndexOf(u' ', MaxProposedName);
    if (cut <= 0)
        cut = MaxProposedName;
    return tidy(s.left(cut));
}

QString folded(const QString &s)
{
    return s.simplified().toCaseFolded();
}

} // namespace

QString proposedEventName(const QString &sentence, qsizetype phraseStart, qsizetype phraseLength)
{
    phraseStart = std::clamp<qsizetype>(phraseStart, 0, sentence.size());
    const qsizetype phraseEnd = std::clamp<qsizetype>(phraseStart + phraseLength, phraseStart, sentence.size());
    qsizetype from = phraseStart;
    while (from > 0 && !endsClause(sentence[from - 1]))
        --from;
    qsizetype to = phraseEnd;
    while (to < sentence.size() && !endsClause(sentence[to]))
        ++to;
    const QString before = withoutLeadIn(sentence.mid(from, phraseStart - from));
    const QString after = sentence.mid(phraseEnd, to - phraseEnd);
    QString name = tidy(before + u' ' + after);
    // "In 1789, the Estates-General met": the clause was the date alone, the event is what follows.
    if (name.count(u' ') < 1) {
        const QString rest = tidy(withoutLeadIn(sentence.left(phraseStart)) + u' ' + sentence.mid(phraseEnd));
        if (rest.count(u' ') >= 1)
            name = rest;
    }
    if (name.endsWith(u'.') && !name.endsWith(QStringLiteral("..")))
        name.chop(1);
    // A sentence that is the date and little else ("About 50 BC, peace.") is its own name.
    if (name.isEmpty())
        name = tidy(sentence);
    if (name.endsWith(u'.') && !name.endsWith(QStringLiteral("..")))
        name.chop(1);
    name = withoutDanglingWord(cutAtWord(withoutDanglingWord(withoutJoiningWord(tidy(name)))));
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

bool eventInProject(ProjectDatabase &db, const ExtDate &date, const QString &sentence, const QString &name)
{
    if (!db.isOpen() || !date.isValid())
        return false;
    const double day = std::floor(date.Value + 0.5 / 86400.0);
    SqlQuery q(db, QStringLiteral("SELECT Name FROM Event WHERE EventDate >= ? AND EventDate < ? AND EventEra = ?"));
    q.bind(day - 0.5 / 86400.0).bind(day + 2.0 - 0.5 / 86400.0).bind(date.Era).exec();
    const QString wantedName = folded(name);
    const QString wantedSentence = folded(sentence);
    bool found = false;
    while (!found && q.next()) {
        // Descriptions are whole paragraphs, which hold the other dates' sentences too: only names tell.
        const QString storedName = folded(q.value(0).toString());
        found = (!wantedName.isEmpty() && storedName == wantedName) ||
                (!wantedSentence.isEmpty() &&
                 (storedName == wantedSentence || (storedName.size() >= 12 && wantedSentence.contains(storedName))));
    }
    q.finish();
    return found;
}

} // namespace qm
