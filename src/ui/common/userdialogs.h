// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

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
    // "" when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    // An invalid colour when cancelled.
    virtual QColor color(QWidget *parent, const QColor &initial) = 0;
};

// The platform's own dialogs, titled with the application's name.
class PlatformDialogs : public UserDialogs
{
public:
    void message(QWidget *parent, const QString &text, const QString &title) override;
    bool question(QWidget *parent, const QString &text, const QString &title) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                         const QString &defaultSuffix) override;
    QColor color(QWidget *parent, const QColor &initial) override;
};

} // namespace qm
