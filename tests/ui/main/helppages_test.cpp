// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide against the program: what it names in bold is a menu entry, button or caption the
// program shows, and every menu command is described somewhere.
#include "main/frmhelp.h"
#include "ui/mainwindow.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

using HelpPages = qmtest::MainWindow;

const QString HelpFolder = QStringLiteral(QM_APP_DIR "/help");

// A name as the help writes it: without the dots of "more to come" and doubled spaces.
QString plain(QString caption)
{
    caption.remove(u'…');
    if (caption.endsWith(QStringLiteral("...")))
        caption.chop(3);
    return caption.simplified();
}

// A caption as the program shows it: without access keys and a file filter's patterns.
QString shown(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
    static const QRegularExpression patterns(QStringLiteral(R"(\s*\(\*\.[^)]*\)$)"));
    return plain(caption.remove(patterns));
}

// The texts of the help's <b> elements, and the pages' sources.
QStringList boldNames(QStringList *sources = nullptr)
{
    QStringList names;
    for (const QString &page : QDir(HelpFolder).entryList({QStringLiteral("*.html")})) {
        QFile file(HelpFolder + u'/' + page);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        if (sources)
            *sources << html;
        const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"), QRegularExpression::DotMatchesEverythingOption);
        for (auto it = bold.globalMatch(html); it.hasNext();) {
            QTextDocument d;
            d.setHtml(it.next().captured(1));
            names << plain(d.toPlainText());
        }
    }
    return names;
}

// Every text the program's source holds, read as a caption.
QSet<QString> programTexts()
{
    QSet<QString> texts;
    const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    for (QDirIterator it(QStringLiteral(QM_TEST_DATA_DIR "/../../src"),
                         {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString code = QString::fromUtf8(file.readAll());
        for (auto m = literal.globalMatch(code); m.hasNext();)
            texts << shown(m.next().captured(1).replace(QStringLiteral("\\\""), QStringLiteral("\"")));
    }
    return texts;
}

} // namespace

TEST_F(HelpPages, NameEveryMenuCommandAndOnlyWhatTheProgramShows)
{
    QStringList sources;
    const QStringList named = boldNames(&sources);
    QSet<QString> menus;
    QStringList undescribed;
    const std::function<void(QMenu *, const QString &)> walk = [&](QMenu *menu, const QString &prefix) {
        for (QAction *a : menu->actions()) {
            // The recent projects are the user's, not commands.
            if (a->isSeparator() || shown(a->text()).isEmpty() || a->objectName().startsWith(QStringLiteral("mnuPath")))
                continue;
            const QString path = prefix + QStringLiteral(" ▸ ") + shown(a->text());
            if (a->menu()) {
                walk(a->menu(), path);
                continue;
            }
            menus << path;
            if (!named.contains(path))
                undescribed << path;
        }
    };
    for (QAction *top : w->menuBar()->actions())
        walk(top->menu(), shown(top->text()));
    EXPECT_TRUE(undescribed.isEmpty()) << "menu entries no help page names: " << undescribed.join(", ").toStdString();

    const QSet<QString> texts = programTexts();
    QStringList unknown;
    for (const QString &name : named) {
        if (name.contains(QStringLiteral(" ▸ ")) ? !menus.contains(name) : !texts.contains(name))
            unknown << name;
    }
    EXPECT_TRUE(unknown.isEmpty()) << "names the program does not show: " << unknown.join(", ").toStdString();

    // A picture stands in a paragraph of its own: inline, it stretched the lines of the text around it.
    for (const QString &html : std::as_const(sources))
        EXPECT_EQ(html.count(QStringLiteral("<img")), html.count(QStringLiteral("<p class=\"shot\"><img")));
}

TEST_F(HelpPages, SearchListsThePagesAndMarksTheWords)
{
    qm::frmHelp help(HelpFolder);
    help.txtSearch->setText(QStringLiteral("capture   EVENTS"));
    ASSERT_GT(help.lstMatches->count(), 0);
    EXPECT_TRUE(help.lstTopics->isHidden());
    EXPECT_FALSE(
        help.lstMatches->findItems(QStringLiteral("Capturing events from a text ("), Qt::MatchStartsWith).isEmpty());
    EXPECT_FALSE(help.txtPage->extraSelections().isEmpty());
    EXPECT_EQ(help.txtPage->extraSelections().front().cursor.selectedText().toLower(), "capture events");

    help.txtSearch->setText(QStringLiteral("Carthago delenda"));
    EXPECT_EQ(help.lstMatches->item(0)->text(), "No page holds \"Carthago delenda\".");
    EXPECT_TRUE(help.txtPage->extraSelections().isEmpty());
    help.txtSearch->clear();
    EXPECT_FALSE(help.lstTopics->isHidden());
}
