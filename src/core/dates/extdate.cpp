// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extdate.h"

#include "platformdate.h"

#include <cmath>

namespace qm {

namespace pd = platformdate;

namespace {

// The year that stands for "year 0" of the shifted eras.
constexpr int ShiftBase = 9899;

bool isShortDigits(QStringView s)
{
    if (s.isEmpty() || s.size() > 4)
        return false;
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// "#/#", "#/##", "##/#" or "##/##": a month and a day with no year.
bool isMonthDay(QStringView s)
{
    const qsizetype slash = s.indexOf(u'/');
    if (slash < 1 || slash > 2 || s.size() - slash - 1 < 1 || s.size() - slash - 1 > 2)
        return false;
    return isShortDigits(s.left(slash)) && isShortDigits(s.mid(slash + 1));
}

// "July 4", "4 July", "Jul. 4,": a month name and a day with no year.
bool isNamedMonthDay(QStringView s)
{
    QStringView chunks[3];
    int count = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= s.size(); ++i) {
        const bool separator = i == s.size() || s[i] == u',' || s[i].isSpace();
        if (!separator && start < 0)
            start = i;
        if (separator && start >= 0) {
            if (count == 2)
                return false;
            chunks[count++] = s.mid(start, i - start);
            start = -1;
        }
    }
    if (count != 2)
        return false;
    const bool monthFirst = pd::monthNamed(chunks[0]).has_value();
    const QStringView day = monthFirst ? chunks[1] : chunks[0];
    if (!monthFirst && !pd::monthNamed(chunks[1]))
        return false;
    if (day.size() > 2 || !isShortDigits(day))
        return false;
    const int d = day.toInt();
    return d >= 1 && d <= 31;
}

bool endsWithNoCase(QStringView s, QStringView tail)
{
    return s.endsWith(tail, Qt::CaseInsensitive);
}

} // namespace

QString DateEnv::latestEventYear() const
{
    return lookup ? lookup->LatestEventYear() : QStringLiteral("2001");
}

QString DateEnv::latestEventCountedYear() const
{
    const QString stored = latestEventYear();
    const int era = lookup ? lookup->LatestEventEra() : EraPlain;
    if (era == EraBC)
        return QString::number(ShiftBase - stored.toInt());
    if (era == EraEarlyAD)
        return QString::number(stored.toInt() - ShiftBase);
    return stored;
}

QString LatestDateInYear(const QString &year, qint16 era, const DateEnv &env)
{
    bool ok = false;
    const int y = year.toInt(&ok);
    if (!ok || !pd::isValidDate(y, 1, 1))
        return QStringLiteral("7/1");
    if (env.lookup) {
        if (const auto v = env.lookup->latestValueInYear(y, era))
            return pd::toText(*v);
    }
    return QStringLiteral("1/1/") + year;
}

// "c. 480 BC", "about 1200": the approximation is the shown text's business; the date is the year.
QStringView withoutApproximation(QStringView t)
{
    for (QStringView word : {QStringView(u"circa "), QStringView(u"about "), QStringView(u"around "),
                             QStringView(u"ca. "), QStringView(u"ca "), QStringView(u"c. "), QStringView(u"c.")}) {
        if (t.size() > word.size() && t.startsWith(word, Qt::CaseInsensitive))
            return t.mid(word.size()).trimmed();
    }
    return t;
}

void ExtDate::Assign(const QString &text, const DateEnv &env)
{
    const QDate today = env.today();
    const DateOrder order = env.order;
    if (const auto v = pd::parse(text, today, order)) {
        Value = *v;
        Era = EraPlain;
        return;
    }

    const QStringView t = withoutApproximation(QStringView(text).trimmed());
    QStringView r;
    if (t.size() >= 3 && endsWithNoCase(t, u"BC")) {
        Era = EraBC;
        r = t.chopped(2);
    } else if (t.size() >= 4 && endsWithNoCase(t, u"BCE")) {
        Era = EraBC;
        r = t.chopped(3);
    } else if (t.size() >= 3 && (endsWithNoCase(t, u"AD") || endsWithNoCase(t, u"CE"))) {
        Era = EraEarlyAD;
        r = t.chopped(2);
    } else {
        Era = EraPlain;
        r = t;
    }
    r = r.trimmed();
    if (r.startsWith(QStringView(u"AD "), Qt::CaseInsensitive) && Era == EraPlain) {
        Era = EraEarlyAD;
        r = r.mid(3).trimmed();
    }

    // The typed year is not the real one yet, so 29 February is checked against the stored year below.
    std::optional<pd::Parts> parsed;
    if (isShortDigits(r)) {
        // A year alone is that year, whatever its era word: the first day of it, or the day of the
        // latest event already stored in it so that the new one follows it.
        const int y = r.toInt();
        if (Era != EraBC)
            Era = y >= 100 ? EraPlain : EraEarlyAD;
        if (Era == EraPlain) {
            const QStringList md = LatestDateInYear(QString::number(y), EraPlain, env).split(u'/');
            const auto v = pd::parse(md.value(0) + u'/' + md.value(1) + u'/' + r.toString(), today);
            if (v)
                Value = std::floor(*v);
            else
                Era = EraInvalid;
            return;
        }
        const int key = Era == EraEarlyAD ? ShiftBase + y : ShiftBase - y;
        const QStringList md = LatestDateInYear(QString::number(key), Era, env).split(u'/');
        parsed = pd::parseParts(md.value(0) + u'/' + md.value(1) + u'/' + r.toString(), today, true);
        if (parsed)
            parsed->hour = parsed->minute = parsed->second = 0;
    } else if (isMonthDay(r)) {
        // The year a month and day belong to is the latest event's, as the user counts it: "7/4 BC"
        // next to an event of 44 BC is 44 BC, not the stored year of that event.
        parsed = pd::parseParts(r.toString() + u'/' + env.latestEventCountedYear(), today, true, order);
    } else if (isNamedMonthDay(r)) {
        parsed = pd::parseParts(r.toString() + u' ' + env.latestEventCountedYear(), today, true);
    } else {
        parsed = pd::parseParts(r, today, true, order);
    }
    if (!parsed) {
        Era = EraInvalid;
        return;
    }
    const pd::Parts &p = *parsed;

    // The parser widens one- and two-digit years; undo that when the typed text never had the year.
    int y = p.year;
    if (!text.contains(QString::number(y))) {
        if (y >= 2000)
            y -= 2000;
        else if (y >= 1900)
            y -= 1900;
    }

    int stored = 0;
    if (Era == EraEarlyAD) {
        if (y >= 100) {
            if (const auto v = pd::makeValue(p.year, p.month, p.day, p.hour, p.minute, p.second)) {
                Value = *v;
                Era = EraPlain;
            } else {
                Era = EraInvalid;
            }
            return;
        }
        stored = y + ShiftBase;
    } else if (Era == EraBC) {
        stored = ShiftBase - y;
        // There is no year 0 before the common era, and years past 9799 BC do not fit.
        if (stored < 100 || y < 1) {
            Era = EraInvalid;
            return;
        }
    } else {
        Era = EraInvalid;
        return;
    }

    // The platform reads the stored date back; 29 February fails here when the stored year has none.
    const QString built = AppendTime(QStringLiteral("%1/%2/%3").arg(p.month).arg(p.day).arg(stored), p);
    if (const auto v = pd::parse(built, today))
        Value = *v;
    else
        Era = EraInvalid;
}

QString ExtDate::AppendTime(const QString &text, const platformdate::Parts &p)
{
    if (!p.hasTime())
        return text;
    return text + QStringLiteral(" %1:%2:%3").arg(p.hour).arg(p.minute).arg(p.second);
}

QString ExtDate::eraSuffix() const
{
    if (Era == EraEarlyAD)
        return QStringLiteral(" AD");
    if (Era == EraBC)
        return QStringLiteral(" BC");
    return {};
}

bool ExtDate::hasTimeOfDay() const
{
    return pd::split(Value).hasTime();
}

QString ExtDate::Render(DateOrder order, bool withTime) const
{
    const pd::Parts p = pd::split(Value);
    const int year = Era == EraPlain ? p.year : ExYear();
    QString result = pd::numericText(year, p.month, p.day, order);
    if (withTime && p.hasTime())
        result += u' ' + pd::timeText(p);
    return result + eraSuffix();
}

QString ExtDate::RenderNamed(DateOrder order) const
{
    const pd::Parts p = pd::split(Value);
    return pd::namedText(Era == EraPlain ? p.year : ExYear(), p.month, p.day, order) + eraSuffix();
}

QChar ExtDate::Compare(const ExtDate &other) const
{
    if (Era == EraInvalid || other.Era == EraInvalid)
        return u'X';
    if (Era != other.Era)
        return Era < other.Era ? u'<' : u'>';
    if (Value < other.Value)
        return u'<';
    return Value == other.Value ? u'=' : u'>';
}

qint16 ExtDate::ExYear() const
{
    const int year = pd::split(Value).year;
    switch (Era) {
    case EraPlain:
        return static_cast<qint16>(year);
    case EraEarlyAD:
        return static_cast<qint16>(year - ShiftBase);
    case EraBC:
        return static_cast<qint16>(ShiftBase - year);
    default:
        return 0;
    }
}

void ExtDate::NextDay()
{
    const pd::Parts p = pd::split(Value);
    const double timeOfDay = Value - std::floor(Value);
    if (p.month == 12 && p.day == 31) {
        // Leaving the shifted eras: 99 AD is followed by 100, 1 BC by 1 AD (there is no year 0).
        if (Era == EraEarlyAD && ExYear() >= 99) {
            Value = static_cast<double>(pd::serialOf(100, 1, 1)) + timeOfDay;
            Era = EraPlain;
            return;
        }
        if (Era == EraBC && ExYear() <= 1) {
            Value = static_cast<double>(pd::serialOf(ShiftBase + 1, 1, 1)) + timeOfDay;
            Era = EraEarlyAD;
            return;
        }
    }
    // The last day the platform holds has no successor.
    if (std::floor(Value) + 1 > static_cast<double>(pd::MaxSerial))
        return;
    Value += 1.0;
}

bool textHasTimeOfDay(QStringView text)
{
    for (qsizetype i = 1; i + 2 < text.size(); ++i) {
        if (text[i] == u':' && text[i - 1].isDigit() && text[i + 1].isDigit() && text[i + 2].isDigit())
            return true;
    }
    return false;
}

} // namespace qm
