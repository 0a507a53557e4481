// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace qm {

// The questions, messages and file choices the windows put to the user. The real one shows the
// platform's dialogs; tests give one that answers from a script.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    virtual void message(QWidget *parent, const QString &text, const QString &title = {}) = 0;
    // True for Yes.
    virtual bool question(QWidget *parent, const QString &text, const QString &title = {}) = 0;
    // A message that something failed; the platform's dialog shows it with the error icon.
    virtual void error(QWidget *parent, const QString &text, const QString &title = {})
    {
        message(parent, text, title);
    }
    // A question whose Yes destroys something; the platform's dialog shows it with the warning icon.
    virtual bool warning(QWidget *parent, const QString &text, const QString &title = {})
    {
        return question(parent, text, title);
    }
    // "" when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter) = 0;
    // `initialName` is the name (or path) the dialog offers first. With `chosenFilter`, the entry of
    // the filter the user chose is told there, and a name typed without an extension comes back
    // without one (the caller gives it the chosen type's).
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &defaultSuffix, const QString &initialName = {},
                                 QString *chosenFilter = nullptr) = 0;
    // One of `items`, `current` chosen at first; -1 when cancelled.
    virtual int choice(QWidget *parent, const QString &title, const QString &label, const QStringList &items,
                       int current) = 0;
    // An invalid colour when cancelled.
    virtual QColor color(QWidget *parent, const QColor &initial) = 0;

    // Whether the system has a printer at all.
    virtual bool hasPrinter() = 0;
    // The print dialog over the printer; false when cancelled.
    virtual bool printSetup(QWidget *parent, QPrinter &printer) = 0;
    // Shows the pages `paint` draws on the printer until the user closes the preview (or prints from it).
    virtual void printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) = 0;
};

// The platform's own dialogs, titled with the application's name.
class PlatformDialogs : public UserDialogs
{
public:
    void message(QWidget *parent, const QString &text, const QString &title) override;
    bool question(QWidget *parent, const QString &text, const QString &title) override;
    void error(QWidget *parent, const QString &text, const QString &title) override;
    bool warning(QWidget *parent, const QString &text, const QString &title) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &filter, const QString &defaultSuffix,
                         const QString &initialName = {}, QString *chosenFilter = nullptr) override;
    int choice(QWidget *parent, const QString &title, const QString &label, const QStringList &items,
               int current) override;
    QColor color(QWidget *parent, const QColor &initial) override;
    bool hasPrinter() override;
    bool printSetup(QWidget *parent, QPrinter &printer) override;
    void printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
};

} // namespace qm
