// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

namespace {

// The pages in the order of the guide's contents, with their titles.
const struct
{
    const char *file;
    const char *title;
} Topics[] = {
    {"index.html", "Contents"},
    {"getting-started.html", "Getting started"},
    {"events-and-dates.html", "Events and dates"},
    {"timelines.html", "Timelines"},
    {"arranging.html", "Arranging"},
    {"formats.html", "Formats and colours"},
    {"capturing.html", "Capturing events from a text"},
    {"pictures.html", "Pictures and wallpapers"},
    {"export-printing.html", "Export and printing"},
    {"qmtool.html", "The command-line tool"},
    {"shortcuts.html", "Keyboard shortcuts"},
};

} // namespace

QString frmHelp::indexPage(const QString &helpFolder)
{
    const QString index = QDir(helpFolder).filePath(QStringLiteral("index.html"));
    return QFileInfo(index).isFile() ? index : QString();
}

frmHelp::frmHelp(const QString &helpFolder, QWidget *parent) : QWidget(parent, Qt::Window), mFolder(helpFolder)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Quillmarsh Help"));
    setAttribute(Qt::WA_DeleteOnClose);

    txtPage = new QTextBrowser(this);
    txtPage->setObjectName(QStringLiteral("txtPage"));
    txtPage->setSearchPaths({helpFolder});
    // Links out of the guide open in the web browser; the guide's own pages stay here.
    txtPage->setOpenExternalLinks(true);
    lstTopics = new QListWidget(this);
    lstTopics->setObjectName(QStringLiteral("lstTopics"));
    for (const auto &t : Topics) {
        auto *item = new QListWidgetItem(tr(t.title), lstTopics);
        item->setData(Qt::UserRole, QString::fromLatin1(t.file));
    }

    auto *bar = new QToolBar(this);
    QAction *back =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), txtPage, &QTextBrowser::backward);
    back->setToolTip(tr("Go back to the page shown before"));
    QAction *forward =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), txtPage, &QTextBrowser::forward);
    forward->setToolTip(tr("Go forward again"));
    QAction *home =
        bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"), txtPage, &QTextBrowser::home);
    home->setToolTip(tr("Show the guide's contents"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(txtPage, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(txtPage, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(tr("Search the help"));
    txtSearch->setClearButtonEnabled(true);
    lstMatches = new QListWidget(this);
    lstMatches->setObjectName(QStringLiteral("lstMatches"));
    lstMatches->hide();
    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(txtSearch);
    sideLayout->addWidget(lstTopics, 1);
    sideLayout->addWidget(lstMatches, 1);

    auto *split = new QSplitter(this);
    split->addWidget(side);
    split->addWidget(txtPage);
    split->setStretchFactor(1, 1);
    split->setSizes({220, 780});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(split, 1);
    resize(1000, 720);

    connect(lstTopics, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            showPage(item->data(Qt::UserRole).toString());
    });
    connect(txtSearch, &QLineEdit::textChanged, this, &frmHelp::search);
    connect(lstMatches, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            showPage(item->data(Qt::UserRole).toString());
    });
    connect(txtPage, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        // The list follows the links the user takes inside the guide.
        const QString file = QFileInfo(url.toLocalFile()).fileName();
        for (int i = 0; i < lstTopics->count(); ++i) {
            if (lstTopics->item(i)->data(Qt::UserRole).toString() == file) {
                const QSignalBlocker quiet(lstTopics);
                lstTopics->setCurrentRow(i);
            }
        }
        setWindowTitle(tr("Quillmarsh Help") + QStringLiteral(" - ") + txtPage->documentTitle());
        markMatches();
    });
    showPage(QStringLiteral("index.html"));
}

void frmHelp::showPage(const QString &fileName)
{
    const QUrl url = QUrl::fromLocalFile(QDir(mFolder).filePath(fileName));
    if (txtPage->source() == url)
        markMatches();
    else
        txtPage->setSource(url);
}

void frmHelp::search(const QString &words)
{
    mWords = words.simplified();
    lstMatches->clear();
    lstTopics->setVisible(mWords.isEmpty());
    lstMatches->setVisible(!mWords.isEmpty());
    if (mWords.isEmpty()) {
        markMatches();
        return;
    }
    for (const auto &t : Topics) {
        QFile file(QDir(mFolder).filePath(QString::fromLatin1(t.file)));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // The words as the reader sees them: tags, entities and line breaks of the source do not count.
        QTextDocument page;
        page.setHtml(QString::fromUtf8(file.readAll()));
        const QString text = page.toPlainText().simplified();
        const qsizetype count = text.count(mWords, Qt::CaseInsensitive);
        if (count == 0)
            continue;
        auto *item = new QListWidgetItem(tr("%1 (%2)").arg(tr(t.title)).arg(count), lstMatches);
        item->setData(Qt::UserRole, QString::fromLatin1(t.file));
        const qsizetype at = text.indexOf(mWords, 0, Qt::CaseInsensitive);
        item->setToolTip(u'…' + text.mid(std::max<qsizetype>(at - 40, 0), mWords.size() + 80) + u'…');
    }
    if (lstMatches->count() == 0) {
        auto *none = new QListWidgetItem(tr("No page holds \"%1\".").arg(mWords), lstMatches);
        none->setFlags(Qt::NoItemFlags);
        markMatches();
    } else {
        lstMatches->setCurrentRow(0);
    }
}

void frmHelp::markMatches()
{
    QList<QTextEdit::ExtraSelection> marks;
    if (!mWords.isEmpty()) {
        QTextCharFormat yellow;
        yellow.setBackground(QColor(255, 230, 0));
        // Spaces in the words match any run of white space, as line breaks of the page do.
        const QRegularExpression pattern(
            QRegularExpression::escape(mWords).replace(QStringLiteral("\\ "), QStringLiteral("\\s+")),
            QRegularExpression::CaseInsensitiveOption);
        for (QTextCursor c = txtPage->document()->find(pattern); !c.isNull(); c = txtPage->document()->find(pattern, c))
            marks.append({c, yellow});
    }
    txtPage->setExtraSelections(marks);
    if (!marks.isEmpty()) {
        QTextCursor first = marks.front().cursor;
        first.clearSelection();
        txtPage->setTextCursor(first);
        txtPage->ensureCursorVisible();
    }
}

} // namespace qm
