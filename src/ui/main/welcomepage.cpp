// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "welcomepage.h"

#include "store/projectcopy.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qm {

namespace {

QPushButton *bigButton(QWidget *parent, const char *name, const QString &text, const QIcon &icon)
{
    auto *b = new QPushButton(icon, text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIconSize(QSize(24, 24));
    b->setMinimumHeight(40);
    return b;
}

} // namespace

WelcomePage::WelcomePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WelcomePage"));
    QStyle *s = style();

    auto *title = new QLabel(tr("Welcome to Quillmarsh"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    auto *intro = new QLabel(tr("Quillmarsh builds illustrated timelines of historical events. Look at the sample "
                                "timeline to see what one looks like, or start a project of your own."),
                             this);
    intro->setWordWrap(true);

    cmdSample = bigButton(this, "cmdSample", tr("Open the sample timeline"),
                          s->standardIcon(QStyle::SP_FileDialogContentsView));
    cmdSample->setToolTip(tr("A history of Rome on two timelines, copied to your documents folder so that you "
                             "can change it"));
    cmdNew = bigButton(this, "cmdNew", tr("New project…"), s->standardIcon(QStyle::SP_FileIcon));
    cmdOpen = bigButton(this, "cmdOpen", tr("Open…"), s->standardIcon(QStyle::SP_DialogOpenButton));
    cmdGettingStarted =
        bigButton(this, "cmdGettingStarted", tr("Getting started"), s->standardIcon(QStyle::SP_DialogHelpButton));
    cmdGettingStarted->setToolTip(tr("The first page of the user guide: your first timeline step by step"));
    cmdSample->setDefault(true);

    lblRecent = new QLabel(tr("Recent projects"), this);
    QFont bold = lblRecent->font();
    bold.setBold(true);
    lblRecent->setFont(bold);
    lstRecent = new QListWidget(this);
    lstRecent->setObjectName(QStringLiteral("lstRecent"));
    lstRecent->setAlternatingRowColors(true);
    lstRecent->setIconSize(QSize(24, 24));

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {cmdSample, cmdNew, cmdOpen})
        buttons->addWidget(b);
    buttons->addSpacing(16);
    buttons->addWidget(cmdGettingStarted);
    buttons->addStretch();
    auto *recent = new QVBoxLayout;
    recent->addWidget(lblRecent);
    recent->addWidget(lstRecent);
    auto *columns = new QHBoxLayout;
    columns->addLayout(buttons, 2);
    columns->addSpacing(24);
    columns->addLayout(recent, 3);

    // A column of readable width in the middle of a wide window.
    auto *body = new QWidget(this);
    body->setMaximumWidth(900);
    auto *inner = new QVBoxLayout(body);
    inner->addWidget(title);
    inner->addWidget(intro);
    inner->addSpacing(16);
    inner->addLayout(columns);
    auto *outer = new QHBoxLayout(this);
    outer->addStretch(1);
    outer->addWidget(body, 6);
    outer->addStretch(1);

    connect(cmdSample, &QPushButton::clicked, this, &WelcomePage::sampleWanted);
    connect(cmdNew, &QPushButton::clicked, this, &WelcomePage::newWanted);
    connect(cmdOpen, &QPushButton::clicked, this, &WelcomePage::openWanted);
    connect(cmdGettingStarted, &QPushButton::clicked, this, &WelcomePage::gettingStartedWanted);
    connect(lstRecent, &QListWidget::itemActivated, this, &WelcomePage::recentActivated);
}

void WelcomePage::setRecent(const RecentList &paths)
{
    lstRecent->clear();
    for (size_t i = 0; i < paths.size(); ++i) {
        const QString &path = paths[i];
        if (path.isEmpty())
            continue;
        QString second;
        if (!QFileInfo(path).isFile()) {
            second = tr("Not found");
        } else {
            const QStringList names = projectTimelineNames(path);
            second = names.isEmpty() ? tr("No timelines") : names.join(QStringLiteral(", "));
        }
        auto *item = new QListWidgetItem(RecentCaption(path) + u'\n' + second, lstRecent);
        item->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setData(Qt::UserRole, static_cast<int>(i + 1));
    }
    lblRecent->setVisible(lstRecent->count() > 0);
    lstRecent->setVisible(lstRecent->count() > 0);
}

void WelcomePage::recentActivated(QListWidgetItem *item)
{
    emit recentWanted(item->data(Qt::UserRole).toInt());
}

} // namespace qm
