// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/platformdate.h"
#include "dialogs/frmdatecorrection.h"
#include "dialogs/frmevent.h"
#include "dialogs/frmmanage.h"
#include "dialogs/frmselectelements.h"
#include "store/clevent.h"
#include "store/elements.h"
#include "store/sqlquery.h"
#include "testsupport.h"
#include "ui/scripteddialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct DialogFixture : public ::testing::Test
{
    qmtest::TempProject t;
    qm::Globals &g = t.g;
    qmtest::ScriptedDialogs dialogs;

    DialogFixture() { qm::installDateCorrection(g, dialogs, nullptr); }

    // Stores an event the way the dialog does, without the dialog.
    qint32 store(const QString &date, const QString &name, const QString &actors = {})
    {
        qm::clEvent e(g);
        auto d = std::make_shared<qm::ExtDate>();
        d->Assign(date, g.dateEnv());
        e.EventDate = d;
        e.EventDateStr = d->Render();
        e.Name = name;
        e.Actors = actors;
        return e.Save();
    }
    int eventCount()
    {
        // A second connection sees only what was really committed.
        qm::ProjectDatabase second;
        second.open(t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
        qm::SqlQuery q(second, QStringLiteral("SELECT COUNT(*) FROM Event"));
        q.exec();
        q.next();
        return q.value(0).toInt();
    }
    qm::clEvent loaded(qint32 id)
    {
        qm::clEvent e(g);
        e.Id = id;
        e.Load();
        return e;
    }
    void newCurrentEvent() { g.CurEvent = std::make_unique<qm::clEvent>(g); }
};

void onNextModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

} // namespace

TEST_F(DialogFixture, EventDialogChecksNameAndDateBeforeWritingAnything)
{
    newCurrentEvent();
    qm::frmEvent d(g, dialogs);
    EXPECT_EQ(d.txtDateStr->text(), d.txtDate->text());
    EXPECT_EQ(d.lblNumChr->text(), QStringLiteral("9 used.")); // "New event"

    const struct
    {
        QString name;
        QString date;
        QString message;
    } refused[] = {
        {QString(), QStringLiteral("7/4/1776"), QStringLiteral("The short description of the event must be entered")},
        {QString(256, u'x'), QStringLiteral("7/4/1776"),
         QStringLiteral("Short description is too long. Please shorten it to no more then 255 characters.")},
        {QStringLiteral("Ok"), QStringLiteral("1492"), QStringLiteral("Incorrect date")},
        {QStringLiteral("Ok"), QStringLiteral("9800 BC"), QStringLiteral("Incorrect date")},
    };
    for (const auto &r : refused) {
        dialogs.messages.clear();
        d.txtName->setText(r.name);
        d.txtDate->setText(r.date);
        d.cmdOK_Click();
        EXPECT_EQ(dialogs.messages, QStringList{r.message}) << r.name.size() << " " << r.date.toStdString();
        EXPECT_EQ(g.DialogResult, -1);
    }
    EXPECT_EQ(d.lblNumChr->text(), QStringLiteral("2 used."));
    EXPECT_EQ(eventCount(), 0);
    EXPECT_EQ(g.CurEvent->Name, QStringLiteral("New event")) << "nothing is written before the checks pass";

    d.txtName->setText(QString(255, u'x'));
    d.txtDate->setText(QStringLiteral("March 15, 44 BC"));
    d.txtWho->setText(QStringLiteral(" Caesar ,Brutus"));
    d.cmdOK_Click();
    EXPECT_EQ(g.DialogResult, 0);
    EXPECT_TRUE(g.EventDateChanged);
    const qm::clEvent saved = loaded(g.CurEvent->Id);
    EXPECT_EQ(saved.Name.size(), 255);
    EXPECT_EQ(saved.EventDate->Render(), QStringLiteral("3/15/44 BC"));
    EXPECT_EQ(saved.EventDateStr, QStringLiteral("3/15/44 BC"));
    EXPECT_EQ(saved.Actors, QStringLiteral("Brutus, Caesar"));
}

TEST_F(DialogFixture, SameDateIsRefusedOrAdvanced)
{
    store(QStringLiteral("7/4/1776"), QStringLiteral("Declaration"));
    store(QStringLiteral("7/5/1776"), QStringLiteral("Day after"));

    newCurrentEvent();
    g.AdvanceDate = false;
    {
        qm::frmEvent d(g, dialogs);
        d.txtName->setText(QStringLiteral("Clash"));
        d.txtDate->setText(QStringLiteral("July 4, 1776"));
        d.cmdOK_Click();
        EXPECT_EQ(g.DialogResult, -1);
        EXPECT_TRUE(d.lblExists->text().startsWith(QStringLiteral("Another event with this exact date")));
        EXPECT_TRUE(dialogs.messages.isEmpty());
        // Ticking the box clears the message; unticking does not bring it back.
        d.chkAdvance->click();
        EXPECT_TRUE(g.AdvanceDate);
        EXPECT_TRUE(d.lblExists->text().isEmpty());
        d.chkAdvance->click();
        EXPECT_TRUE(d.lblExists->text().isEmpty());
        EXPECT_EQ(eventCount(), 2);

        d.chkAdvance->click();
        d.cmdOK_Click();
        EXPECT_EQ(g.DialogResult, 0);
        EXPECT_EQ(loaded(g.CurEvent->Id).EventDate->Render(), QStringLiteral("7/6/1776"));
    }
}

TEST_F(DialogFixture, EditingKeepsTheDateTextUnlessTheDateOrEraChanged)
{
    const qint32 id = store(QStringLiteral("3/15/44"), QStringLiteral("Ides"));
    {
        g.CurEvent = std::make_unique<qm::clEvent>(g);
        g.CurEvent->Id = id;
        g.CurEvent->Load();
        qm::frmEvent d(g, dialogs);
        d.txtDateStr->setText(QStringLiteral("the Ides of March"));
        d.cmdOK_Click();
        EXPECT_EQ(g.DialogResult, 0);
        EXPECT_FALSE(g.EventDateChanged);
        EXPECT_EQ(loaded(id).EventDateStr, QStringLiteral("the Ides of March"));
    }
    {
        g.CurEvent = std::make_unique<qm::clEvent>(g);
        g.CurEvent->Id = id;
        g.CurEvent->Load();
        qm::frmEvent d(g, dialogs);
        d.txtDate->setText(d.txtDate->text() + QStringLiteral(" BC"));
        d.cmdOK_Click();
        EXPECT_EQ(g.DialogResult, 0);
        EXPECT_TRUE(g.EventDateChanged);
        EXPECT_EQ(loaded(id).EventDateStr, QStringLiteral("3/15/1944 BC"));
    }
}

TEST_F(DialogFixture, DateCorrectionProposesAFreeDayAndRejectStoresNothing)
{
    const qint32 first = store(QStringLiteral("7/4/1776"), QStringLiteral("Declaration"));
    ASSERT_GT(first, 0);

    // Reject: nothing is stored.
    onNextModal([](QWidget *modal) {
        auto *d = qobject_cast<qm::frmDateCorrection *>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->txtDateNew->text(), QStringLiteral("7/5/1776"));
        EXPECT_EQ(d->txtName2->text(), QStringLiteral("Declaration"));
        EXPECT_FALSE(d->Frame1->isVisibleTo(d));
        QTest::mouseClick(d->cmdReject, Qt::LeftButton);
    });
    EXPECT_EQ(store(QStringLiteral("7/4/1776"), QStringLiteral("Second")), -1);
    EXPECT_EQ(eventCount(), 1);

    // An invalid edit is refused in the dialog; an edited date is what gets stored.
    onNextModal([this](QWidget *modal) {
        auto *d = qobject_cast<qm::frmDateCorrection *>(modal);
        ASSERT_NE(d, nullptr);
        d->txtDateNew->setText(QStringLiteral("not a date"));
        QTest::mouseClick(d->cmdAccept, Qt::LeftButton);
        EXPECT_EQ(dialogs.messages.value(0), QStringLiteral("Incorrect date"));
        EXPECT_TRUE(d->isVisible());
        d->txtDateNew->setText(QStringLiteral("7/6/1776"));
        QTest::mouseClick(d->cmdAccept, Qt::LeftButton);
    });
    const qint32 second = store(QStringLiteral("7/4/1776"), QStringLiteral("Second"));
    ASSERT_GT(second, 0);
    EXPECT_EQ(loaded(second).EventDate->Render(), QStringLiteral("7/6/1776"));

    // A third event on the same day: the proposal skips the days already taken, and accepting it saves.
    store(QStringLiteral("7/5/1776"), QStringLiteral("Fifth"));
    onNextModal([](QWidget *modal) {
        auto *d = qobject_cast<qm::frmDateCorrection *>(modal);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->txtDateNew->text(), QStringLiteral("7/7/1776"));
        QTest::mouseClick(d->cmdAccept, Qt::LeftButton);
    });
    const qint32 third = store(QStringLiteral("7/4/1776"), QStringLiteral("Third"));
    EXPECT_EQ(loaded(third).EventDate->Render(), QStringLiteral("7/7/1776"));
}

TEST_F(DialogFixture, PickerTicksAndReturnsNamesInListOrder)
{
    for (const char *n : {"Rome", "Paris", "Athens"})
        qm::addElement(g.ProjectDb, QStringLiteral("P"), QString::fromLatin1(n));

    g.SelectedElements = QStringLiteral("Rome, paris");
    {
        qm::frmSelectElements picker(g, QStringLiteral("P"));
        EXPECT_EQ(picker.windowTitle(), QStringLiteral("Element selection: Places"));
        ASSERT_EQ(picker.lv->count(), 3);
        EXPECT_EQ(picker.lv->item(0)->checkState(), Qt::Unchecked);
        picker.cmdInclude_Click();
    }
    EXPECT_EQ(g.SelectedElements, QStringLiteral("Paris,Rome"));
    {
        qm::frmSelectElements picker(g, QStringLiteral("P"));
        picker.cmdCancel_Click();
    }
    EXPECT_EQ(g.SelectedElements, QStringLiteral("Paris,Rome"));
    {
        qm::frmSelectElements picker(g, QStringLiteral("P"));
        for (int i = 0; i < picker.lv->count(); ++i)
            picker.lv->item(i)->setCheckState(Qt::Unchecked);
        picker.cmdInclude_Click();
    }
    EXPECT_EQ(g.SelectedElements, QString());
}

TEST_F(DialogFixture, ManagerAddsRenamesAndDeletes)
{
    const qint32 id = store(QStringLiteral("3/15/44 BC"), QStringLiteral("Ides"), QStringLiteral("Caesar, Brutus"));
    qm::frmManage m(g, dialogs);
    EXPECT_EQ(m.tabs->currentIndex(), 0);
    ASSERT_EQ(m.lv->count(), 2);

    m.txtAdd->setText(QStringLiteral("Cassius"));
    m.cmdAdd_Click();
    m.txtAdd->setText(QStringLiteral("CAESAR"));
    m.cmdAdd_Click();
    EXPECT_TRUE(m.txtAdd->text().isEmpty());
    EXPECT_EQ(qm::elementsOfType(g.ProjectDb, QStringLiteral("A")),
              (QStringList{QStringLiteral("Brutus"), QStringLiteral("Caesar"), QStringLiteral("Cassius")}));

    // Rename in place: the event's link follows.
    QListWidgetItem *caesar = m.lv->findItems(QStringLiteral("Caesar"), Qt::MatchExactly).value(0);
    ASSERT_NE(caesar, nullptr);
    m.lv_ItemClick(caesar);
    caesar->setText(QStringLiteral("Julius Caesar"));
    EXPECT_EQ(loaded(id).Actors, QStringLiteral("Brutus, Julius Caesar"));
    // Renaming onto another element's name is refused and the row goes back.
    QListWidgetItem *brutus = m.lv->findItems(QStringLiteral("Brutus"), Qt::MatchExactly).value(0);
    m.lv_ItemClick(brutus);
    brutus->setText(QStringLiteral("cassius"));
    EXPECT_EQ(brutus->text(), QStringLiteral("Brutus"));
    EXPECT_EQ(dialogs.messages.size(), 1);

    m.lv->selectAll();
    m.cmdDelete_Click();
    EXPECT_EQ(m.lv->count(), 0);
    EXPECT_TRUE(qm::elementsOfType(g.ProjectDb, QStringLiteral("A")).isEmpty());
    EXPECT_EQ(loaded(id).Actors, QString());

    m.tabs->setCurrentIndex(3);
    EXPECT_EQ(g.ManageElementType, QStringLiteral("K"));
    qm::frmManage again(g, dialogs);
    EXPECT_EQ(again.tabs->currentIndex(), 3) << "the manager opens on the type it showed last";
}
