// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "elementscommand.h"

#include "store/projectdatabase.h"
#include "store/sqlquery.h"

namespace qm {

namespace {

const QString ElementsOfType = QStringLiteral("ElementType = ?");
// The links of every element of the type as the table holds them at the time.
const QString LinksOfType = QStringLiteral("ElementId IN (SELECT Id FROM Element WHERE ElementType = ?)");

} // namespace

ElementsCommand::ElementsCommand(ProjectDatabase &db, const QString &type, const QString &text,
                                 std::function<void()> change)
    : mDb(db), mType(type), mChange(std::move(change))
{
    setText(text);
    mElementsBefore = RowSnapshot::matching(db, QStringLiteral("Element"), ElementsOfType, {type});
    mLinksBefore = RowSnapshot::matching(db, QStringLiteral("EventElement"), LinksOfType, {type});
    mElementsAfter = RowSnapshot(QStringLiteral("Element"), ElementsOfType);
    mLinksAfter = RowSnapshot(QStringLiteral("EventElement"), LinksOfType);
}

void ElementsCommand::redo()
{
    if (!mFirst) {
        put(mElementsAfter, mLinksAfter);
        return;
    }
    TransactionGuard guard(mDb);
    mChange();
    mElementsAfter.read(mDb, {{mType}});
    mLinksAfter.read(mDb, {{mType}});
    guard.commit();
    mFirst = false;
    // Done once: from now on the rows kept stand for it.
    mChange = nullptr;
}

void ElementsCommand::undo()
{
    put(mElementsBefore, mLinksBefore);
}

void ElementsCommand::put(const RowSnapshot &elements, const RowSnapshot &links)
{
    // The links go first, while the elements they belong to are still there to find them by; they come
    // back once the elements are in place again.
    TransactionGuard guard(mDb);
    links.remove(mDb);
    elements.restore(mDb);
    links.restore(mDb);
    guard.commit();
}

} // namespace qm
