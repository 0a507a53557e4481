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

// The texts of the help's <b> elements; the pages' sources in `sources`.
QStringList boldNames(QStringList &sources)
{
    QStringList names;
    const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"), QRegularExpression::DotMatchesEverythingOption);
    for (const QString &page : QDir(HelpFolder).entryList({QStringLiteral("*.html")})) {
        sources << QString::fromUtf8(qmtest::fileBytes(HelpFolder + u'/' + page));
        for (auto it = bold.globalMatch(sources.last()); it.hasNext();) {
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
    for (QDirIterator it(QStringLiteral(QM_TEST_DATA_DIR "/../../src"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        for (auto m = literal.globalMatch(QString::fromUtf8(qmtest::fileBytes(it.next()))); m.hasNext();)
            texts << shown(m.next().captured(1).replace(QStringLiteral("\\\""), QStringLiteral("\"")));
    }
    return texts;
}

} // namespace

TEST_F(HelpPages, NameEveryMenuCommandAndOnlyWhatTheProgramShows)
{
    QStringList sources;
    const QStringList named = boldNames(sources);
    QSet<QString> menus;
    QStringList undescribed, unknown;
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
    EXPECT_TRUE(help.lstTopics->isHidden());
    EXPECT_FALSE(
        help.lstMatches->findItems(QStringLiteral("Capturing events from a text ("), Qt::MatchStartsWith).isEmpty());
    ASSERT_FALSE(help.txtPage->extraSelections().isEmpty());
    EXPECT_EQ(help.txtPage->extraSelections().front().cursor.selectedText().toLower(), "capture events");

    help.txtSearch->setText(QStringLiteral("Carthago delenda"));
    EXPECT_EQ(help.lstMatches->item(0)->text(), "No page holds \"Carthago delenda\".");
    EXPECT_TRUE(help.txtPage->extraSelections().isEmpty());
}
