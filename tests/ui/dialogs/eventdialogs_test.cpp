// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/windowsession.h"
#include "core/store/storetestsupport.h"
#include "dialogs/frmdatecorrection.h"
#include "dialogs/frmevent.h"
#include "dialogs/frmmanage.h"
#include "dialogs/frmpreferences.h"
#include "dialogs/frmselectelements.h"
#include "edit/canvascommand.h"
#include "store/clevent.h"
#include "store/elements.h"
#include "store/preferences.h"
#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

namespace {

struct DialogFixture : public ::testing::Test
{
    qmtest::TempProject t;
    qm::Globals &g = t.g;
    qmtest::ScriptedDialogs dialogs;

    DialogFixture() { qm::installDateCorrection(g, dialogs, nullptr); }

    qint32 store(const QString &date, const QString &name, const QString &actors = {})
    {
        return qmtest::storeEvent(g, date, name, actors);
    }
    int eventCount() const { return qmtest::committedRows(t.projectPath, "Event"); }
    qm::clEvent loaded(qint32 id) { return *qm::loadEventAside(g, id); }
    // A new event to enter, or a stored one to edit, as the event commands prepare them.
    void setCurrentEvent(qint32 id = 0)
    {
        g.CurEvent = std::make_unique<qm::clEvent>(g);
        g.CurEvent->Id = id;
        if (id > 0)
            g.CurEvent->Load();
    }
};

using qmtest::onNextModal;

} // namespace

TEST_F(DialogFixture, EventDialogChecksNameAndDateBeforeWritingAnything)
{
    setCurrentEvent();
    qm::frmEvent d(g, dialogs);
    EXPECT_EQ(d.txtDateStr->text(), d.txtDate->text());
    EXPECT_EQ(d.lblNumChr->text(), "9 used."); // "New event"

    const struct
    {
        QString name;
        QString date;
        QString message;
        QString ends = {};
    } refused[] = {
        {QString(), "7/4/1776", "The short description of the event must be entered"},
        {QString(256, u'x'), "7/4/1776",
         "Short description is too long. Please shorten it to no more than 255 characters."},
        {"Ok", "13/45/1776", "Incorrect date"},
        {"Ok", "9800 BC", "Incorrect date"},
        {"Ok", "7/4/1776", "Incorrect end date", "soon"},
        {"Ok", "7/4/1776", "The end must not lie before the start", "7/3/1776"},
    };
    for (const auto &r : refused) {
        dialogs.messages.clear();
        d.txtName->setText(r.name);
        d.txtDate->setText(r.date);
        d.txtEnds->setText(r.ends);
        d.cmdOK_Click();
        EXPECT_EQ(dialogs.messages, QStringList{r.message}) << r.name.size() << " " << r.date.toStdString();
        EXPECT_EQ(d.result(), QDialog::Rejected);
    }
    EXPECT_EQ(d.lblNumChr->text(), "2 used.");
    EXPECT_EQ(eventCount(), 0);
    EXPECT_EQ(g.CurEvent->Name, QStringLiteral("New event")) << "nothing is written before the checks pass";

    d.txtName->setText(QString(255, u'x'));
    d.txtDate->setText("March 15, 44 BC");
    d.txtWho->setText(" Caesar ,Brutus");
    d.txtEnds->setText("3/17/44 BC");
    d.cmdOK_Click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(d.dateChanged());
    const qm::clEvent saved = loaded(g.CurEvent->Id);
    EXPECT_EQ(saved.Name.size(), 255);
    EXPECT_EQ(saved.EventDate->Render(), "3/15/44 BC");
    EXPECT_EQ(saved.EventDateStr, "March 15, 44 BC");
    EXPECT_EQ(saved.Actors, "Brutus, Caesar");
    ASSERT_TRUE(saved.EndDate);
    EXPECT_EQ(saved.EndDate->Render(), "3/17/44 BC");
}

TEST_F(DialogFixture, SameDateIsRefusedOrKeptOnItsDay)
{
    store("7/4/1776", "Declaration");
    store("7/5/1776", "Day after");

    setCurrentEvent();
    g.AdvanceDate = false;
    qm::frmEvent d(g, dialogs);
    d.txtName->setText("Clash");
    d.txtDate->setText("July 4, 1776");
    d.cmdOK_Click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_TRUE(d.lblExists->text().startsWith("Another event with this exact date"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    // Ticking the box clears the message; unticking does not bring it back.
    d.chkAdvance->click();
    EXPECT_TRUE(g.AdvanceDate);
    EXPECT_TRUE(d.lblExists->text().isEmpty());
    d.chkAdvance->click();
    EXPECT_TRUE(d.lblExists->text().isEmpty());
    EXPECT_EQ(eventCount(), 2);

    // The second event of the day stays on it, shown as typed, without a time nobody typed.
    d.chkAdvance->click();
    d.cmdOK_Click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    const qm::clEvent clash = loaded(g.CurEvent->Id);
    EXPECT_EQ(clash.EventDate->Render(qm::DateOrder::MonthFirst, false), "7/4/1776");
    EXPECT_EQ(clash.EventDateStr, "July 4, 1776");
    EXPECT_EQ(clash.shownDate(qm::DateOrder::MonthFirst), "7/4/1776");

    // A day-first user edits an event without touching its date: its ordering minute stays.
    g.dateOrder = qm::DateOrder::DayFirst;
    setCurrentEvent(clash.Id);
    qm::frmEvent edit(g, dialogs);
    EXPECT_EQ(edit.txtDate->text(), "4/7/1776");
    edit.txtName->setText("Clash renamed");
    edit.cmdOK_Click();
    EXPECT_EQ(loaded(clash.Id).EventDate->Value, clash.EventDate->Value);
    EXPECT_FALSE(edit.dateChanged());
}

TEST_F(DialogFixture, EditingKeepsTheDateTextUnlessTheDateOrEraChanged)
{
    const qint32 id = store("3/15/44", "Ides");
    {
        setCurrentEvent(id);
        qm::frmEvent d(g, dialogs);
        d.txtDateStr->setText("the Ides of March");
        d.cmdOK_Click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_FALSE(d.dateChanged());
        EXPECT_EQ(loaded(id).EventDateStr, "the Ides of March");
    }
    {
        // Another field edited: the text of the user's own stays.
        setCurrentEvent(id);
        qm::frmEvent d(g, dialogs);
        EXPECT_EQ(d.txtDateStr->text(), "the Ides of March");
        d.txtName->setText("Ides of March");
        d.cmdOK_Click();
        EXPECT_EQ(loaded(id).EventDateStr, "the Ides of March");
    }
    {
        setCurrentEvent(id);
        qm::frmEvent d(g, dialogs);
        d.txtDate->setText(d.txtDate->text() + QStringLiteral(" BC"));
        d.cmdOK_Click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_TRUE(d.dateChanged());
        EXPECT_EQ(loaded(id).EventDateStr, "3/15/1944 BC");
    }
}

TEST_F(DialogFixture, DateCorrectionKeepsTheDayAndRejectStoresNothing)
{
    const qint32 first = store("7/4/1776", "Declaration");
    ASSERT_GT(first, 0);

    // Reject: nothing is stored.
    onNextModal([](QWidget *modal) {
        auto *d = qobject_cast<qm::frmDateCorrection *>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->txtDateNew->text(), "7/4/1776");
        EXPECT_TRUE(d->lblSameDay->isVisibleTo(d));
        EXPECT_EQ(d->txtName2->text(), "Declaration");
        EXPECT_FALSE(d->Frame1->isVisibleTo(d));
        QTest::mouseClick(d->cmdReject, Qt::LeftButton);
    });
    EXPECT_EQ(store("7/4/1776", "Second"), -1);
    EXPECT_EQ(eventCount(), 1);

    // An invalid edit is refused in the dialog; an edited date is what gets stored.
    onNextModal([this](QWidget *modal) {
        auto *d = qobject_cast<qm::frmDateCorrection *>(modal);
        ASSERT_NE(d, nullptr);
        d->txtDateNew->setText("not a date");
        QTest::mouseClick(d->cmdAccept, Qt::LeftButton);
        EXPECT_EQ(dialogs.messages.value(0), "Incorrect date");
        EXPECT_TRUE(d->isVisible());
        d->txtDateNew->setText("7/6/1776");
        QTest::mouseClick(d->cmdAccept, Qt::LeftButton);
    });
    const qint32 second = store("7/4/1776", "Second");
    ASSERT_GT(second, 0);
    EXPECT_EQ(loaded(second).EventDate->Render(), "7/6/1776");
    EXPECT_EQ(loaded(second).EventDateStr, "7/6/1776");

    // Accepted as suggested: the day and its text stay, after the day's first event.
    onNextModal([](QWidget *modal) {
        QTest::mouseClick(qobject_cast<qm::frmDateCorrection *>(modal)->cmdAccept, Qt::LeftButton);
    });
    const qint32 third = store("7/4/1776", "Third");
    ASSERT_GT(third, 0);
    EXPECT_EQ(loaded(third).EventDateStr, "7/4/1776");
    EXPECT_GT(loaded(third).EventDate->Value, loaded(first).EventDate->Value);
    EXPECT_LT(loaded(third).EventDate->Value, loaded(first).EventDate->Value + 1.0);
}

TEST_F(DialogFixture, PickerTicksAndReturnsNamesInListOrder)
{
    for (const char *n : {"Rome", "Paris", "Athens"})
        qm::addElement(g.ProjectDb, "P", QString::fromLatin1(n));

    // A name typed that is no element yet stays, after the list's.
    QString names = "Rome, paris, New Carthage";
    {
        qm::frmSelectElements picker(g, "P", names);
        EXPECT_EQ(picker.windowTitle(), "Element selection: Places");
        ASSERT_EQ(picker.lv->count(), 4);
        EXPECT_EQ(picker.lv->item(0)->checkState(), Qt::Unchecked);
        EXPECT_EQ(picker.lv->item(3)->text(), "New Carthage");
        picker.cmdInclude_Click();
        names = picker.selectedElements();
    }
    EXPECT_EQ(names, "Paris, Rome, New Carthage");
    {
        qm::frmSelectElements picker(g, "P", names);
        picker.cmdCancel_Click();
        EXPECT_EQ(picker.selectedElements(), names);
    }
}

TEST_F(DialogFixture, ManagerAddsRenamesAndDeletes)
{
    const qint32 id = store("3/15/44 BC", "Ides", "Caesar, Brutus");
    qm::WindowSession windows;
    qm::frmManage m(g, windows, dialogs);
    EXPECT_EQ(m.tabs->currentIndex(), 0);
    ASSERT_EQ(m.lv->count(), 2);

    m.txtAdd->setText("Cassius");
    m.cmdAdd_Click();
    m.txtAdd->setText("CAESAR");
    m.cmdAdd_Click();
    EXPECT_TRUE(m.txtAdd->text().isEmpty());
    EXPECT_EQ(qm::elementsOfType(g.ProjectDb, "A"), (QStringList{"Brutus", "Caesar", "Cassius"}));

    // Rename in place: the event's link follows.
    QListWidgetItem *caesar = m.lv->findItems("Caesar", Qt::MatchExactly).value(0);
    ASSERT_NE(caesar, nullptr);
    m.lv_ItemClick(caesar);
    caesar->setText("Julius Caesar");
    EXPECT_EQ(loaded(id).Actors, "Brutus, Julius Caesar");
    // Renaming onto another element's name is refused and the row goes back.
    QListWidgetItem *brutus = m.lv->findItems("Brutus", Qt::MatchExactly).value(0);
    m.lv_ItemClick(brutus);
    brutus->setText("cassius");
    EXPECT_EQ(brutus->text(), "Brutus");
    EXPECT_EQ(dialogs.messages.size(), 1);

    // Names that cannot be elements are refused with the reason, and stay for correcting.
    for (const char *name : {"Pompey, Crassus", "   "}) {
        m.txtAdd->setText(QString::fromLatin1(name));
        m.cmdAdd_Click();
        EXPECT_EQ(m.txtAdd->text(), QString::fromLatin1(name));
    }
    ASSERT_EQ(dialogs.messages.size(), 3);
    EXPECT_TRUE(dialogs.messages[1].contains("comma"));
    EXPECT_EQ(qm::elementsOfType(g.ProjectDb, "A").size(), 3);

    // Deleting what events use asks first, with how many lose it; No keeps everything.
    m.lv->selectAll();
    m.cmdDelete_Click();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains("\"Brutus\" is used by 1 event(s)"))
        << dialogs.questions[0].toStdString();
    EXPECT_EQ(m.lv->count(), 3);
    dialogs.answers.push_back(true);
    m.cmdDelete_Click();
    EXPECT_EQ(m.lv->count(), 0);
    EXPECT_TRUE(qm::elementsOfType(g.ProjectDb, "A").isEmpty());
    EXPECT_EQ(loaded(id).Actors, QString());

    // Each change is one step of the project's history: the delete, then the rename, come undone.
    EXPECT_EQ(g.History.undoText(), "delete 3 actors");
    g.History.undo();
    EXPECT_EQ(loaded(id).Actors, "Brutus, Julius Caesar");
    EXPECT_EQ(qmtest::committedRows(t.projectPath, "Element"), 3);
    g.History.undo();
    EXPECT_EQ(loaded(id).Actors, "Brutus, Caesar");
    g.History.redo();
    g.History.redo();
    EXPECT_EQ(loaded(id).Actors, QString());
    EXPECT_EQ(qmtest::committedRows(t.projectPath, "Element"), 0);

    m.tabs->setCurrentIndex(3);
    EXPECT_EQ(windows.ManageElementType, "K");
    qm::frmManage again(g, windows, dialogs);
    EXPECT_EQ(again.tabs->currentIndex(), 3) << "the manager opens on the type it showed last";
}

TEST_F(DialogFixture, PreferencesKeepTheDateOrderForTheNextRun)
{
    qm::frmPreferences d(g);
    EXPECT_EQ(d.optMonthFirst->isChecked(), g.dateOrder == qm::DateOrder::MonthFirst);
    d.optDayFirst->setChecked(true);
    d.cmdOK_Click();
    EXPECT_EQ(g.dateOrder, qm::DateOrder::DayFirst);
    EXPECT_EQ(qm::LoadDateOrder(), qm::DateOrder::DayFirst);
    qm::SaveDateOrder(qm::DateOrder::MonthFirst); // as the tests after this one expect
}
