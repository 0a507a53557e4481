// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/userdialogs.h"

#include <QColor>
#include <QStringList>

#include <deque>

namespace qmtest {

// Answers the program's questions from a script and records what it was told.
class ScriptedDialogs : public qm::UserDialogs
{
public:
    std::deque<bool> answers;      // for question(); an empty script answers No
    std::deque<QString> fileNames; // for the file dialogs; an empty script cancels
    std::deque<QColor> colors;     // for color(); an empty script cancels
    QStringList messages;
    QStringList questions;

    void message(QWidget *, const QString &text, const QString &) override { messages << text; }
    bool question(QWidget *, const QString &text, const QString &) override
    {
        questions << text;
        return pop(answers, false);
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return pop(fileNames, QString()); }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return pop(fileNames, QString());
    }
    QColor color(QWidget *, const QColor &) override { return pop(colors, QColor()); }

private:
    template <typename T> static T pop(std::deque<T> &queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace qmtest
