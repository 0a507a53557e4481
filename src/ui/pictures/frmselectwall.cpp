// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmselectwall.h"

#include "common/guarded.h"
#include "common/userdialogs.h"
#include "frmimportimages.h"
#include "picturegrid.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/picturefiles.h"
#include "store/picturelibrary.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qm {

namespace {

constexpr int PreviewWidth = 320;
constexpr int PreviewHeight = 240;

// The wallpaper tiled over the preview, as the canvas shows it.
QPixmap tiled(const QImage &image)
{
    QPixmap p(PreviewWidth, PreviewHeight);
    QPainter painter(&p);
    painter.fillRect(p.rect(), QBrush(image));
    return p;
}

} // namespace

frmSelectWall::frmSelectWall(Globals &globals, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), g(globals), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("frmSelectWall"));
    setWindowTitle(QStringLiteral("Select Wallpaper"));

    optStandard = new QRadioButton(QStringLiteral("Standard"), this);
    optStandard->setObjectName(QStringLiteral("optStandard"));
    optStandard->setToolTip(tr("The wallpapers that come with Quillmarsh"));
    optCustom = new QRadioButton(QStringLiteral("Custom"), this);
    optCustom->setObjectName(QStringLiteral("optCustom"));
    optCustom->setToolTip(tr("The wallpapers imported into this project"));
    lstFiles = new PictureGrid(this);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    imgPreview = new QLabel(this);
    imgPreview->setObjectName(QStringLiteral("imgPreview"));
    imgPreview->setFixedSize(PreviewWidth, PreviewHeight);
    imgPreview->setFrameShape(QFrame::StyledPanel);

    cmdSelect = new QPushButton(QStringLiteral("Select && Exit"), this);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    cmdSelect->setToolTip(tr("Tile this wallpaper behind the timeline, and close"));
    cmdSelect->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setToolTip(tr("Close without changing the timeline"));
    cmdImport = new QPushButton(QStringLiteral("Import more ..."), this);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setToolTip(tr("Copy wallpaper pictures from your computer into this project"));
    cmdImport->setAutoDefault(false);

    auto *sources = new QHBoxLayout;
    sources->addWidget(optStandard);
    sources->addWidget(optCustom);
    sources->addStretch();
    sources->addWidget(cmdImport);
    auto *left = new QVBoxLayout;
    left->addLayout(sources);
    left->addWidget(lstFiles, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(imgPreview);
    right->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSelect);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(880, 520);

    connect(optStandard, &QRadioButton::clicked, this, [this] { optSource_Click(QStringLiteral("S")); });
    connect(optCustom, &QRadioButton::clicked, this, [this] { optSource_Click(QStringLiteral("C")); });
    connect(lstFiles, &PictureGrid::fileChosen, this, &frmSelectWall::lstFiles_Click);
    connect(lstFiles, &QListView::doubleClicked, this, &frmSelectWall::cmdSelect_Click);
    connect(cmdSelect, &QPushButton::clicked, this, &frmSelectWall::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdImport, &QPushButton::clicked, this, &frmSelectWall::cmdImport_Click);

    const clTimeLine *t = g.CurTimeLine.get();
    optSource_Click(t && t->WallSource != u"S" ? QStringLiteral("C") : QStringLiteral("S"));
    if (t && lstFiles->selectFile(t->WallName))
        lstFiles_Click(t->WallName);
}

void frmSelectWall::optSource_Click(const QString &source)
{
    mSource = source;
    (source == u"S" ? optStandard : optCustom)->setChecked(true);
    // Imports go into the project's own library, so they are offered where they will show.
    cmdImport->setEnabled(source == u"C");
    lstFiles->setFolder(PictureFolder(g, source, QStringLiteral("W")), libraryFiles(g, source, QStringLiteral("W")));
}

void frmSelectWall::lstFiles_Click(const QString &name)
{
    const QImage image = LoadLibraryPicture(g, mSource, QStringLiteral("W"), name);
    // A file that cannot be read leaves the preview as it was.
    if (!image.isNull())
        imgPreview->setPixmap(tiled(image));
}

void frmSelectWall::cmdSelect_Click()
{
    runGuarded(mDialogs, this, [this] {
        const QString name = lstFiles->currentFileName();
        if (name.isEmpty()) {
            mDialogs.message(this, QStringLiteral("No picture was selected"));
            return;
        }
        if (onSelect)
            onSelect(mSource, name);
        accept();
    });
}

void frmSelectWall::cmdImport_Click()
{
    runGuarded(mDialogs, this, [this] {
        frmImportImages import(g, mDialogs, QStringLiteral("W"), this);
        import.exec();
        optSource_Click(QStringLiteral("C"));
    });
}

} // namespace qm
