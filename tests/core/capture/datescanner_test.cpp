// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/datescanner.h"
#include "capture/writingdate.h"
#include "dates/platformdate.h"
#include "store/sqlquery.h"
#include "store/storeerror.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pd = qm::platformdate;

namespace {

// "offset:phrase=date as shown" of every found date, joined by "|".
QString describe(const qm::FoundDates &found)
{
    QStringList parts;
    for (const qm::FoundDate &f : found)
        parts << QStringLiteral("%1:%2=%3").arg(f.FirstIndex).arg(f.Value, f.Date.Render());
    return parts.join(u'|');
}

// "phrase=date" of every found date, to the precision the phrase gives, joined by "|".
QString values(const qm::FoundDates &found)
{
    QStringList parts;
    for (const qm::FoundDate &f : found) {
        const bool day = f.precision == qm::FoundDate::Precision::Day;
        parts << f.Value + u'=' +
                     (day ? f.Date.RenderNamed(qm::DateOrder::DayFirst) : f.shownText(qm::DateOrder::DayFirst));
    }
    return parts.join(u'|');
}

void addEvent(qm::ProjectDatabase &db, int y, int m, int d, qint16 era)
{
    qm::execSql(db, "INSERT INTO Event (EventDate, EventEra, Name) VALUES (?, ?, ?)",
                {*pd::makeValue(y, m, d), era, "e"});
}

// Stored events that cannot be read: every year completion fails as a broken database would.
class BrokenLookup : public qm::YearLookup
{
public:
    QString LatestEventYear() const override { throw qm::StoreError("disk gone"); }
    std::optional<double> latestValueInYear(int, qint16) const override { throw qm::StoreError("disk gone"); }
};

} // namespace

TEST(ScanDates, ReadsTheFormsOfHistoryTexts)
{
    qmtest::TempProject t; // today is 15 June 2026, no events
    const struct
    {
        QString text;
        QString expected;
    } cases[] = {
        // The program's own forms; a date without a year takes the narrative's.
        {"12/25/1990 and 7/4", "0:12/25/1990=12/25/1990|15:7/4=7/4/1990"},
        {"On January 5, 1776 the army", "3:January 5, 1776=1/5/1776"},
        {"March 15 was", "0:March 15=3/15/2026"},
        {"about 50 BC, 500 BC", "6:50 BC=1/1/50 BC|13:500 BC=1/1/500 BC"},
        {"in 1492 AD he", "3:1492 AD=1/1/1492"},
        {"7/4 BC", "0:7/4 BC=7/4/1 BC"},
        // Day first, ordinals, abbreviations, ranges.
        {"On 22 June 1941 Germany attacked.", "3:22 June 1941=6/22/1941"},
        {"5 March 1946 and the 22nd of June, 1941", "0:5 March 1946=3/5/1946|21:22nd of June, 1941=6/22/1941"},
        {"February 4th, 1945; 4 Feb. 1945", "0:February 4th, 1945=2/4/1945|20:4 Feb. 1945=2/4/1945"},
        {"In 1918 talks ran March 5–9. Peace came June 6.", "3:1918=1/1/1918|18:March 5–9=3/5/1918|40:June 6=6/6/1918"},
        // The narrative's year, and a day of its month.
        {"In 1941 the war spread. On December 7 Japan struck; on the 8th, America answered.",
         "3:1941=1/1/1941|27:December 7=12/7/1941|59:8th=12/8/1941"},
        {"22 June came first.", "0:22 June=6/22/2026"},
        // ISO dates, months with a year.
        {"1961-08-13 and March 1940 and May of 1789", "0:1961-08-13=8/13/1961|15:March 1940=3/1/1940|"
                                                      "30:May of 1789=5/1/1789"},
        // Era forms, before and after the year.
        {"480 B.C., 480 BC, 480 B.C.E., AD 79, A.D. 79, 79 A.D., c. 500 BC, circa 500 BC",
         "0:480 B.C.=1/1/480 BC|10:480 BC=1/1/480 BC|18:480 B.C.E.=1/1/480 BC|30:AD 79=1/1/79 AD|"
         "37:A.D. 79=1/1/79 AD|46:79 A.D.=1/1/79 AD|58:500 BC=1/1/500 BC|72:500 BC=1/1/500 BC"},
        // Bare years introduced as years, and year ranges (the first year is the date).
        {"by 1945, until 1918, since 1871, during 1916, early 1941, late 1944, mid-1943",
         "3:1945=1/1/1945|15:1918=1/1/1918|27:1871=1/1/1871|40:1916=1/1/1916|52:1941=1/1/1941|"
         "63:1944=1/1/1944|73:1943=1/1/1943"},
        {"the summer of 1940, 1914–18", "14:1940=1/1/1940|20:1914–18=1/1/1914"},
        // In a narrative before the common era a bare year is one too.
        {"Marathon was in 490 BC; in 480 Xerxes came.", "16:490 BC=1/1/490 BC|27:480=1/1/480 BC"},
        {"The siege of 1453 ended on 29 May.", "13:1453=1/1/1453|27:29 May=5/29/1453"},
        // Relative to the date before.
        {"On 6 June 1944 they landed; the next day, and two days later, more came.",
         "3:6 June 1944=6/6/1944|28:the next day=6/7/1944|46:two days later=6/9/1944"},
        // Not dates: counts, measures, labels, thousands, decimals, decades.
        {"1,200 men, 3000 soldiers, 300 ships, in 90 cases, 1500 km, page 300, chapter 12, "
         "in 226 sorties, 106.4 miles, 117 000 lives, the mid-1870s, 1917th, 31/2",
         QString()},
        // A month's name as a verb.
        {"they march 1000 men", QString()},
        // Plainly wrong readings of the one pattern: a three-digit year, an era word inside a word.
        {"December 25, 800 AD", "0:December 25, 800 AD=12/25/800"},
        {"500 Centurions", QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(describe(qm::ScanDates(c.text, t.g.dateEnv())), c.expected) << c.text.toStdString();
}

TEST(ScanDates, ReadsPeriodsWithTheirEnds)
{
    qmtest::TempProject t;
    const struct
    {
        QString text;
        QString expected;
        qm::DateOrder order = qm::DateOrder::MonthFirst;
    } cases[] = {
        // Years run to the end of the last one, days to the last day.
        {"from 1939 to 1945; between 1793 and 1794; 1914-18; 1914–1918; the 1790s",
         "1939 to 1945=1/1/1939-12/31/1945|1793 and 1794=1/1/1793-12/31/1794|1914-18=1/1/1914-12/31/1918|"
         "1914–1918=1/1/1914-12/31/1918|1790s=1/1/1790-12/31/1799"},
        {"26 June - 4 August 1952, June 26 – August 4, 1952, 3-5 May 1789, May 3-5, 1789, from May to June 1790",
         "26 June - 4 August 1952=6/26/1952-8/4/1952|June 26 – August 4, 1952=6/26/1952-8/4/1952|"
         "3-5 May 1789=5/3/1789-5/5/1789|May 3-5, 1789=5/3/1789-5/5/1789|May to June 1790=5/1/1790-6/30/1790"},
        {"from 28 December 1999 to 2 January", "28 December 1999 to 2 January=12/28/1999-1/2/2000"},
        {"480-479 BC, 27 BC - AD 14", "480-479 BC=1/1/480 BC-12/31/479 BC|27 BC - AD 14=1/1/27 BC-12/31/14 AD"},
        {"AD 79 - 81, AD 1914-18", "AD 79 - 81=1/1/79 AD-12/31/81 AD|AD 1914=1/1/1914"},
        // The first end takes what only the last one names.
        {"In September 1950 it went on from the 13th to the 19th of October 1950. In 1917 they waited; "
         "losses between March and April 1918 were high.",
         "September 1950=9/1/1950|13th to the 19th of October 1950=10/13/1950-10/19/1950|1917=1/1/1917|"
         "March and April 1918=3/1/1918-4/30/1918"},
        // Numeric dates in the reader's order; an end before the start is two dates.
        {"12/5/1789 - 15/5/1789", "12/5/1789 - 15/5/1789=5/12/1789-5/15/1789", qm::DateOrder::DayFirst},
        {"12/5/1789 - 15/5/1789", "12/5/1789=12/5/1789|15/5/1789=5/15/1789"},
        {"from 1945 to 1939, 5 May-3 May 1789", "1945=1/1/1945|1939=1/1/1939|5 May=5/5/1789|3 May 1789=5/3/1789"},
        // Not periods: pages, scores, telephone and book numbers, counts after a year, two days.
        {"pp. 12-18, p. 1914-18, won 3-1, call 555-1234, ISBN 978-0-14-044913-6, 2-3 times, in 1916 - 18 men, "
         "on 5 and 6 June 1944",
         "1916=1/1/1916|5 and 6 June 1944=6/5/1944"},
    };
    for (const auto &c : cases) {
        qm::DateEnv env = t.g.dateEnv();
        env.order = c.order;
        QStringList parts;
        for (const qm::FoundDate &f : qm::ScanDates(c.text, env))
            parts << f.Value + u'=' + f.Date.Render() + (f.End ? u'-' + f.End->Render() : QString());
        EXPECT_EQ(parts.join(u'|'), c.expected) << c.text.toStdString();
    }
}

TEST(ScanDates, TheNarrativeMovesOnlyOnItsOwnYears)
{
    qmtest::TempProject t;
    const struct
    {
        QString text;
        QString expected;
    } cases[] = {
        // Asides: a later finding, an older precedent, a year counted in a side clause.
        {"In 1920, documents found in 2004 proved it. On 29 August the cavalry came.",
         "1920=1920|2004=2004|29 August=29 August 1920"},
        {"In 1788 it was agreed that the Estates sit as in 1614; on 27 December he agreed.",
         "1788=1788|1614=1614|27 December=27 December 1788"},
        {"In 1950 it began, as in Korea a year earlier. On 25 June they crossed.",
         "1950=1950|a year earlier=1949|25 June=25 June 1950"},
        // A sentence that opens with its year, a full date and a heading move it.
        {"1917\nIn March the Tsar fell. By 1918, peace. On 3 March the treaty came.",
         "1917=1917|March=March 1917|1918=1918|3 March=3 March 1918"},
        // Days counted from the last one.
        {"On 6 June 1944 they landed; the following morning more came, and that evening it was over. At the "
         "same time Rome fell. On 4 June 1944 Rome fell; the day before, the Pope prayed.",
         "6 June 1944=6 June 1944|the following morning=7 June 1944|that evening=7 June 1944|"
         "the same time=7 June 1944|4 June 1944=4 June 1944|the day before=3 June 1944"},
        {"The war ended in 1918. On June 5 of that year nothing.", "1918=1918|June 5 of that year=5 June 1918"},
        // Feasts with a year, or in a narrative that has one; a comma between month and year; a month alone.
        {"Home by Christmas 1914, they said; the rising came at Easter 1916, and by Easter 1583, at Easter "
         "1066 and on New Year's Day 1915 too.",
         "Christmas 1914=25 December 1914|Easter 1916=23 April 1916|Easter 1583=10 April 1583|"
         "Easter 1066=16 April 1066|New Year's Day 1915=1 January 1915"},
        {"It fell in October, 1917. Early in 1918 they waited; in August they struck, and by Christmas it "
         "was over. In May 1,200 men left.",
         "October, 1917=October, 1917|1918=1918|August=August 1918|Christmas=25 December 1918"},
        {"In August nothing happened, not even at Christmas.", QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(values(qm::ScanDates(c.text, t.g.dateEnv())), c.expected) << c.text.toStdString();
}

TEST(ScanDates, CompletesYearsFromTheProjectsEvents)
{
    qmtest::TempProject t;
    addEvent(t.g.ProjectDb, 899, 8, 24, qm::EraBC); // 24 August 9000 BC
    addEvent(t.g.ProjectDb, 1865, 4, 9, qm::EraPlain);
    // Before the text names a year, a month and day with an era take the latest stored year. A bare
    // year of modern times is of the common era after one before it (and meets its stored day); an
    // older one is of that era too.
    EXPECT_EQ(describe(qm::ScanDates("On 7/4 BC; Ur in 9000 BC; in 1865 alone; in 1200 too.", t.g.dateEnv())),
              "3:7/4 BC=7/4/1865 BC|17:9000 BC=8/24/9000 BC|29:1865=4/9/1865|44:1200=1/1/1200 BC");
}

TEST(ScanDates, SkipsPhrasesWhoseReadingFails)
{
    const BrokenLookup broken;
    const qm::DateEnv env{[] { return QDate(2026, 6, 15); }, &broken};
    // Years alone need the stored events and fail; whole dates do not ask them.
    EXPECT_EQ(describe(qm::ScanDates("500 BC, then 7/4/1776, then 7/4 BC, then July 4, 1776", env)),
              "13:7/4/1776=7/4/1776|41:July 4, 1776=7/4/1776");
}

TEST(ScanDates, ReportsCountFromTheDayTheyWereWritten)
{
    qmtest::TempProject t;
    const qm::DateEnv env = t.g.dateEnv();
    // Where a text gives its date of writing: a dateline, a line of its own; not a history's first lines.
    EXPECT_EQ(qm::WritingDateOf(u"LONDON, January 5, 2004 (Reuters) -- Talks", qm::DateOrder::MonthFirst),
              QDate(2004, 1, 5));
    EXPECT_EQ(qm::WritingDateOf(u"Storm hits coast\nPosted 5/3/2021 10:32 GMT\n\nText", qm::DateOrder::DayFirst),
              QDate(2021, 3, 5));
    EXPECT_FALSE(
        qm::WritingDateOf(u"Waterloo\nOn 18 June 1815, Napoleon attacked.", qm::DateOrder::DayFirst).isValid());

    const QString body =
        QStringLiteral("Talks that began on December 28 will resume on Friday, the minister said on "
                       "Monday. Prices fell yesterday as on October 19, 1987; they will be set on March 3.");
    const QString expected =
        QStringLiteral("December 28=28 December 2003|Friday=9 January 2004|Monday=5 January 2004|"
                       "yesterday=4 January 2004|October 19, 1987=19 October 1987|March 3=3 March 2004");
    EXPECT_EQ(values(qm::ScanDates(body, env, {}, QDate(2004, 1, 5))), expected);
    EXPECT_EQ(values(qm::ScanDates("LONDON, January 5, 2004 (Reuters) -- " + body, env)),
              "January 5, 2004=5 January 2004|" + expected);
    // Without a day of writing, weekdays and "yesterday" say nothing.
    EXPECT_EQ(values(qm::ScanDates(QStringLiteral("In 1815 he left on Friday and came back yesterday."), env)),
              "1815=1815");
}
