// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/userdialogs.h"

#include <QColor>
#include <QPrinter>
#include <QStringList>

#include <deque>
#include <vector>

namespace qmtest {

// Answers the program's questions from a script and records what it was told.
class ScriptedDialogs : public qm::UserDialogs
{
public:
    std::deque<bool> answers;       // for question(); an empty script answers No
    std::deque<QString> fileNames;  // for the file dialogs; an empty script cancels
    std::deque<QString> filters;    // the filter entry chosen in save dialogs; none leaves it unsaid
    std::deque<int> choices;        // for choice(); an empty script takes the proposed item
    std::deque<QColor> colors;      // for color(); an empty script cancels
    std::deque<QString> printFiles; // for the print dialog and preview: a PDF file; empty cancels
    bool printers = true;           // whether the system has a printer
    QStringList messages;
    QStringList questions;
    QStringList errors;                   // the messages shown with the error icon (in messages too)
    QStringList warnings;                 // the questions asked with the warning icon (in questions too)
    std::vector<QStringList> saveDialogs; // title, filter, default suffix and initial name of each
    int previews = 0;

    void message(QWidget *, const QString &text, const QString &) override { messages << text; }
    bool question(QWidget *, const QString &text, const QString &) override
    {
        questions << text;
        return pop(answers, false);
    }
    void error(QWidget *, const QString &text, const QString &) override
    {
        errors << text;
        messages << text;
    }
    bool warning(QWidget *parent, const QString &text, const QString &title) override
    {
        warnings << text;
        return question(parent, text, title);
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return pop(fileNames, QString()); }
    QString saveFileName(QWidget *, const QString &title, const QString &filter, const QString &suffix,
                         const QString &initialName = {}, QString *chosenFilter = nullptr) override
    {
        saveDialogs.push_back(QStringList{title, filter, suffix, initialName});
        if (chosenFilter)
            *chosenFilter = pop(filters, QString());
        return pop(fileNames, QString());
    }
    int choice(QWidget *, const QString &, const QString &, const QStringList &, int current) override
    {
        return pop(choices, current);
    }
    QColor color(QWidget *, const QColor &) override { return pop(colors, QColor()); }
    bool hasPrinter() override { return printers; }
    // Sends the pages to a PDF file, as choosing "Print to file" in the print dialog does.
    bool printSetup(QWidget *, QPrinter &printer) override
    {
        const QString file = pop(printFiles, QString());
        if (file.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }
    void printPreview(QWidget *, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override
    {
        ++previews;
        // What the preview would show, drawn into a file instead.
        printSetup(nullptr, printer);
        paint(printer);
    }

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
