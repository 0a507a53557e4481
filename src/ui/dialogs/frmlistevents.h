// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/windowsession.h"
#include "dates/extdate.h"

#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QModelIndex;
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
    // Edits the event of a row (double click, Enter); the list shows it as stored afterwards.
    std::function<void(qint32 id)> editEvent;
    // Elements, copies and moves for the highlighted rows; true when something was done.
    std::function<bool(const std::vector<qint32> &ids)> editElements;
    std::function<bool(const std::vector<qint32> &ids, bool move)> placeElsewhere;

    ExtDate DateFrom;
    ExtDate DateTo;

    QTableView *lv = nullptr;
    QLineEdit *txtSearch = nullptr;
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
    QLabel *lblCount = nullptr;
    QCheckBox *chkTickedOnly = nullptr;
    QPushButton *cmdShowOnTimeline = nullptr;
    QPushButton *cmdEditElements = nullptr;
    QPushButton *cmdCopyTo = nullptr;
    QPushButton *cmdMoveTo = nullptr;

    EventListModel &model() { return *mModel; }
    // After closing: whether Include & Exit closed it, and the ids ticked then, in date order.
    bool includeChosen() const { return mInclude; }
    const std::vector<qint32> &tickedIds() const { return mTickedIds; }
    // After Show on timeline: the event whose box is to be selected and shown; 0 otherwise.
    qint32 showId() const { return mShowId; }
    // The ids of the highlighted rows, in the order shown.
    std::vector<qint32> highlightedIds() const;
    // Opens with the sort, search and filters kept there, and keeps them there when it closes.
    void keepViewIn(WindowSession::EventListView &view);

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
    void cmdShowOnTimeline_Click();
    void lv_DblClick(const QModelIndex &index);
    void done(int result) override;

private:
    void selectElementsFor(const QString &type, QLineEdit *field, QCheckBox *check);
    bool readBound(QLineEdit *field, ExtDate &bound);
    // The tools on many rows, the count and the ticked-only filter, under the list.
    void buildRowTools();
    void refreshCount();
    // Reads the rows again after their events changed; ticks stay, except those of `untick`.
    void reloadKeepingTicks(const std::vector<qint32> &untick = {});
    bool eventFilter(QObject *watched, QEvent *event) override;

    Globals &g;
    UserDialogs &mDialogs;
    EventListModel *mModel = nullptr;
    EventListFilter *mFilter = nullptr;
    bool mInclude = false;
    std::vector<qint32> mTickedIds;
    qint32 mShowId = 0;
    WindowSession::EventListView *mKept = nullptr;
};

} // namespace qm
