// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/sqlquery.h"
#include "testsupport.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun qmtool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(QM_QMTOOL), args);
    ToolRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

TEST(qmtool, NewProjectAddAndListEvents)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Rome.qmp"));
    ASSERT_EQ(qmtool({QStringLiteral("new"), file}).exitCode, 0);
    EXPECT_EQ(qmtool({QStringLiteral("timelines"), file}).out, QStringLiteral("1\tTimeline0\n"));

    const ToolRun first =
        qmtool({QStringLiteral("add-event"), file, QStringLiteral("--date"), QStringLiteral("3/15/44 BC"),
                QStringLiteral("--name"), QStringLiteral("Caesar \"dies\"\tin\\the\r\nSenate"),
                QStringLiteral("--actors"), QStringLiteral("  Caesar ,Brutus"), QStringLiteral("--places"),
                QStringLiteral("Rome"), QStringLiteral("--keywords"), QStringLiteral("murder, ides")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, QStringLiteral("1\n"));
    // Same day again: moved to the first free one.
    const ToolRun second = qmtool({QStringLiteral("add-event"), file, QStringLiteral("--date"),
                                   QStringLiteral("3/15/44 BC"), QStringLiteral("--name"), QStringLiteral("Aftermath"),
                                   QStringLiteral("--sources"), QStringLiteral("Suetonius")});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    ASSERT_EQ(qmtool({QStringLiteral("add-event"), file, QStringLiteral("--date"), QStringLiteral("7/4/1776"),
                      QStringLiteral("--name"), QString(255, u'x')})
                  .exitCode,
              0);

    const ToolRun events = qmtool({QStringLiteral("events"), file});
    ASSERT_EQ(events.exitCode, 0) << events.err.toStdString();
    EXPECT_EQ(events.out,
              QStringLiteral("1\t-2\t9855-03-15\t3/15/44 BC\tCaesar \"dies\"\\tin\\\\the\\r\\nSenate\tBrutus, Caesar\t"
                             "Rome\t\tides, murder\n"
                             "2\t-2\t9855-03-16\t3/16/44 BC\tAftermath\t\t\tSuetonius\t\n"
                             "3\t0\t1776-07-04\t7/4/1776\t") +
                  QString(255, u'x') + QStringLiteral("\t\t\t\t\n"));
}

TEST(qmtool, AddEventRefusesWhatTheEventDialogRefuses)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("P.qmp"));
    ASSERT_EQ(qmtool({QStringLiteral("new"), file}).exitCode, 0);
    const struct
    {
        QString date;
        QString name;
        int exitCode;
        const char *message;
    } cases[] = {
        {QStringLiteral("2/30/2001"), QStringLiteral("x"), 1, "Incorrect date"},
        {QStringLiteral("7/4/1776"), QStringLiteral(""), 1, "The short description of the event must be entered"},
        {QStringLiteral("7/4/1776"), QString(256, u'x'), 1,
         "Short description is too long. Please shorten it to no more then 255 characters."},
    };
    for (const auto &c : cases) {
        const ToolRun r = qmtool(
            {QStringLiteral("add-event"), file, QStringLiteral("--date"), c.date, QStringLiteral("--name"), c.name});
        EXPECT_EQ(r.exitCode, c.exitCode) << c.message;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
    }
    EXPECT_EQ(qmtool({QStringLiteral("events"), file}).out, QStringLiteral(""));

    const QStringList usage[] = {
        {QStringLiteral("add-event"), file, QStringLiteral("--name"), QStringLiteral("x")},
        {QStringLiteral("add-event"), file, QStringLiteral("--date"), QStringLiteral("1/1/2001"),
         QStringLiteral("--name"), QStringLiteral("x"), QStringLiteral("--colour"), QStringLiteral("red")},
        {QStringLiteral("events")},
        {QStringLiteral("timelines"), file, file},
    };
    for (const QStringList &args : usage)
        EXPECT_EQ(qmtool(args).exitCode, 2) << args.join(u' ').toStdString();
    const ToolRun missing = qmtool({QStringLiteral("events"), dir.filePath(QStringLiteral("none.qmp"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("none.qmp"))));
}

TEST(qmtool, AddEventPlacesOnANamedTimelineInDateOrder)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Rome.qmp"));
    ASSERT_EQ(qmtool({QStringLiteral("new"), file}).exitCode, 0);
    auto add = [&](const QString &date, const QString &name, const QString &timeline) {
        return qmtool({QStringLiteral("add-event"), file, QStringLiteral("--date"), date, QStringLiteral("--name"),
                       name, QStringLiteral("--timeline"), timeline});
    };
    ASSERT_EQ(add(QStringLiteral("1492 AD"), QStringLiteral("Columbus"), QStringLiteral("timeline0")).exitCode, 0);
    ASSERT_EQ(add(QStringLiteral("44 BC"), QStringLiteral("Caesar"), QStringLiteral("Timeline0")).exitCode, 0);
    const ToolRun wrong = add(QStringLiteral("79 AD"), QStringLiteral("Vesuvius"), QStringLiteral("Nope"));
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("Nope")));
    EXPECT_FALSE(qmtool({QStringLiteral("events"), file}).out.contains(QStringLiteral("Vesuvius")));

    qm::ProjectDatabase db;
    db.open(file, qm::ProjectDatabase::Mode::ReadOnly);
    qm::SqlQuery q(db, QStringLiteral("SELECT EventId FROM TimeLineEvent ORDER BY BoxLeft"));
    q.exec();
    QList<int> leftToRight;
    while (q.next())
        leftToRight << q.value(0).toInt();
    EXPECT_EQ(leftToRight, (QList<int>{2, 1}));
}
