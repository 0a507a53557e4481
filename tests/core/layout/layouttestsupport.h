// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/platformdate.h"
#include "layout/textmeasurer.h"
#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/globals.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace qmtest {

// Text sizes anyone can work out by hand: each character is 10 twips wide per point of font size
// and a line 20 twips high per point (so 100 x 200 twips at 10 points). Wrapping is greedy at spaces.
class FakeMeasurer : public qm::TextMeasurer
{
public:
    static double charWidth(const qm::LabelFont &font) { return font.size * 10.0; }
    static double lineHeight(const qm::LabelFont &font) { return font.size * 20.0; }

    QSizeF naturalSize(const qm::LabelFont &font, const QString &text) const override
    {
        const QStringList lines = text.split(u'\n');
        qsizetype longest = 0;
        for (const QString &line : lines)
            longest = std::max(longest, line.size());
        return QSizeF(longest * charWidth(font), lines.size() * lineHeight(font));
    }

    double wrappedHeight(const qm::LabelFont &font, const QString &text, double width) const override
    {
        int lines = 0;
        for (const QString &paragraph : text.split(u'\n')) {
            ++lines;
            double used = 0.0;
            for (const QString &word : paragraph.split(u' ')) {
                const double w = word.size() * charWidth(font);
                const double withSpace = used == 0.0 ? w : used + charWidth(font) + w;
                if (used > 0.0 && withSpace > width) {
                    ++lines;
                    used = w;
                } else {
                    used = withSpace;
                }
            }
        }
        return lines * lineHeight(font);
    }
};

inline double dateValue(int year, int month, int day)
{
    return *qm::platformdate::makeValue(year, month, day);
}

// Stores an event dated year/month/day (era 0) with its date text, and returns its id.
inline qint32 addEvent(qm::Globals &g, const QString &name, int year, int month, int day)
{
    qm::clEvent e(g);
    e.EventDate = std::make_shared<qm::ExtDate>(dateValue(year, month, day), qm::EraPlain);
    e.EventDateStr = e.EventDate->Render();
    e.Name = name;
    return e.Save();
}

// Stores a timeline with that title and returns its id.
inline qint32 addTimeline(qm::Globals &g, const QString &name, const QString &title)
{
    qm::clTimeLine t(g.ProjectDb);
    t.Name = name;
    t.LabelCaption = title;
    return t.Save();
}

// Makes the event the current one, as the event commands do before placing it.
inline void makeCurrent(qm::Globals &g, qint32 eventId)
{
    g.CurEvent = std::make_unique<qm::clEvent>(g);
    g.CurEvent->Id = eventId;
    g.CurEvent->Load();
}

} // namespace qmtest
