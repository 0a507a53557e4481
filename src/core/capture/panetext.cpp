// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panetext.h"

#include <algorithm>

namespace qm {

PaneText::PaneText(const QString &documentText)
{
    mText.reserve(documentText.size() + documentText.size() / 32);
    for (const QChar c : documentText) {
        if (c == u'\n' || c == u'\r') {
            mText += u'\r';
            mAdded.append(mText.size());
            mText += u'\n';
        } else {
            mText += c;
        }
    }
}

qsizetype PaneText::toDocument(qsizetype panePosition) const
{
    const auto before = std::lower_bound(mAdded.cbegin(), mAdded.cend(), panePosition) - mAdded.cbegin();
    return panePosition - before;
}

} // namespace qm
