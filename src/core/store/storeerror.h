// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

namespace qm {

// An unexpected failure of the project database: what was being done, plus the engine's own words.
class StoreError : public std::runtime_error
{
public:
    StoreError(const QString &message, const QString &engineText = {})
        : std::runtime_error(
              (engineText.isEmpty() ? message : message + QStringLiteral(": ") + engineText).toStdString()),
          mMessage(message), mEngineText(engineText)
    {}

    QString message() const { return mMessage; }
    QString engineText() const { return mEngineText; }
    QString text() const { return QString::fromStdString(what()); }

private:
    QString mMessage;
    QString mEngineText;
};

// A file that cannot serve as a project: missing, not a database, or without the project tables.
class NotAProjectError : public StoreError
{
public:
    using StoreError::StoreError;
};

} // namespace qm
