// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace qm {

class EventListFilter;
class EventListModel;
class Globals;
class UserDialogs;

// Lists every event of the project with a tick for those the shown timeline is to show; the filters
// tick them by actors, places, sources, keywords and dates. The window itself changes no timeline:
// its opener reads the ticks once it closes (every way of closing takes unticked events off, only
// Include & Exit puts ticked ones on). Deletions are done at once, through deleteEvents.
class frmListEvents : public QDialog
{
    Q_OBJECT
public:
    frmListEvents(Globals &globals, UserDialogs &dialogs, QWidget *parent = nullptr);
    ~frmListEvents() override;

    // Deletes the events from the project; by default straight in the file. The main window makes
    // it an undoable step.
    std::function<void(const std::vector<qint32> &ids)> deleteEvents;

    ExtDate DateFrom;
    ExtDate DateTo;

    QTableView *lv = nullptr;
    QLineEdit *txtSearch = nullptr;
    // "All categories", then the shown timeline's categories: the list shows only that one's events.
    QComboBox *cmbCategory = nullptr;
    QCheckBox *chkActors = nullptr;
    QLineEdit *txtActor = nullptr;
    QPushButton *cmdSelectActors = nullptr;
    QCheckBox *chkPlaces = nullptr;
    QLineEdit *txtPlace = nullptr;
    QPushButton *cmdSelectPlaces = nullptr;
    QCheckBox *chkSources = nullptr;
    QLineEdit *txtSource = nullptr;
    QPushButton *cmdSelectSources = nullptr;
    QCheckBox *chkKeywords = nullptr;
    QLineEdit *txtKeyword = nullptr;
    QPushButton *cmdSelectKeywords = nullptr;
    QLineEdit *txtDateFrom = nullptr;
    QLineEdit *txtDateTo = nullptr;
    QCheckBox *chkDates = nullptr;
    QPushButton *cmdSelectEvents = nullptr;
    QPushButton *cmdUnselect = nullptr;
    QPushButton *cmdInclude = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdCancel = nullptr;

    EventListModel &model() { return *mModel; }
    // After closing: whether Include & Exit closed it, and the ids ticked then, in date order.
    bool includeChosen() const { return mInclude; }
    const std::vector<qint32> &tickedIds() const { return mTickedIds; }

    // Fills the list from the project: ticks for the events on the timeline, bounds at the earliest
    // and latest dates.
    void LoadEventList();

public slots:
    void cmdSelectEvents_Click();
    void cmdUnselect_Click();
    void cmdInclude_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    void txtSearch_Change(const QString &text);
    // Reads a date bound when its field is left; an unreadable one is refused and the old bound stays.
    void txtDateFrom_LostFocus();
    void txtDateTo_LostFocus();
    void done(int result) override;

private:
    void selectElementsFor(const QString &type, QLineEdit *field, QCheckBox *check);
    void fillCategories();
    bool readBound(QLineEdit *field, ExtDate &bound);

    Globals &g;
    UserDialogs &mDialogs;
    EventListModel *mModel = nullptr;
    EventListFilter *mFilter = nullptr;
    bool mInclude = false;
    std::vector<qint32> mTickedIds;
};

} // namespace qm
