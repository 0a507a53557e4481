// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhelp.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

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

    auto *split = new QSplitter(this);
    split->addWidget(lstTopics);
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
    });
    showPage(QStringLiteral("index.html"));
}

void frmHelp::showPage(const QString &fileName)
{
    txtPage->setSource(QUrl::fromLocalFile(QDir(mFolder).filePath(fileName)));
}

} // namespace qm
