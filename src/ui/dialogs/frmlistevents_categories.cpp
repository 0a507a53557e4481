// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The event list narrowed to the events of one category of the shown timeline.
#include "eventlistmodel.h"
#include "frmlistevents.h"

#include "layout/canvasmodel.h"
#include "store/categories.h"
#include "store/globals.h"

#include <QComboBox>
#include <QIcon>
#include <QPixmap>

namespace qm {

void frmListEvents::fillCategories()
{
    const Categories categories = loadCategories(g.ProjectDb, g.CurTimeLineId);
    // Which category each event of the project falls in, read once.
    const std::unordered_map<qint32, std::size_t> rankOf = categoryOf(g.ProjectDb, 0, categories.rules);
    cmbCategory->disconnect(this);
    cmbCategory->clear();
    cmbCategory->addItem(tr("All categories"));
    for (const CategoryRule &r : categories.rules) {
        QPixmap swatch(12, 12);
        swatch.fill(colorFromLong(r.color));
        cmbCategory->addItem(QIcon(swatch), r.elementName);
    }
    cmbCategory->setVisible(!categories.rules.empty());
    connect(cmbCategory, &QComboBox::currentIndexChanged, this, [this, rankOf](int row) {
        if (row <= 0) {
            mFilter->setOnlyIds(std::nullopt);
            return;
        }
        std::unordered_set<qint32> ids;
        for (const auto &[eventId, rank] : rankOf) {
            if (rank == static_cast<std::size_t>(row - 1))
                ids.insert(eventId);
        }
        mFilter->setOnlyIds(std::move(ids));
    });
}

} // namespace qm
