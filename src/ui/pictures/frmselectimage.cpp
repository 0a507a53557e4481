// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmselectimage.h"

#include "common/guarded.h"
#include "common/userdialogs.h"
#include "frmimportimages.h"
#include "picturegrid.h"
#include "picturehandles.h"
#include "picturepreview.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/globals.h"
#include "store/picturefiles.h"
#include "store/picturelibrary.h"
#include "store/sqlquery.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cmath>

namespace qm {

frmSelectImage::frmSelectImage(Globals &globals, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), g(globals), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("frmSelectImage"));
    setWindowTitle(QStringLiteral("Select picture"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    optStandard = new QRadioButton(QStringLiteral("Standard"), this);
    optStandard->setObjectName(QStringLiteral("optStandard"));
    optStandard->setToolTip(tr("The pictures that come with Quillmarsh"));
    optCustom = new QRadioButton(QStringLiteral("Custom"), this);
    optCustom->setObjectName(QStringLiteral("optCustom"));
    optCustom->setToolTip(tr("The pictures imported into this project"));
    lstFiles = new PictureGrid(this);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    imgPreview = new PicturePreview(this);
    chkLine = new QCheckBox(QStringLiteral("Show line connecting picture to time line"), this);
    chkLine->setObjectName(QStringLiteral("chkLine"));
    chkNoPicture = new QCheckBox(tr("No picture"), this);
    chkNoPicture->setObjectName(QStringLiteral("chkNoPicture"));
    chkNoPicture->setToolTip(tr("The box shows the event's name and date only"));
    chkDefault = new QCheckBox(tr("Make it this timeline's default for new events"), this);
    chkDefault->setObjectName(QStringLiteral("chkDefault"));

    auto makeButton = [this](const char *name, const QString &caption, const QString &tip) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        return b;
    };
    cmdSelect = makeButton("cmdSelect", QStringLiteral("Select"),
                           tr("Give the event this picture at the size shown, and close"));
    cmdSelect->setDefault(true);
    cmdCancel = makeButton("cmdCancel", QStringLiteral("Cancel"), tr("Close without changing the event"));
    cmdImport = makeButton("cmdImport", QStringLiteral("Import more ..."),
                           tr("Copy picture files from your computer into this project"));
    cmdImport->setAutoDefault(false);

    auto *sources = new QHBoxLayout;
    sources->addWidget(optStandard);
    sources->addWidget(optCustom);
    sources->addWidget(chkNoPicture);
    sources->addStretch();
    sources->addWidget(cmdImport);
    addPicturesButton(sources);
    auto *left = new QVBoxLayout;
    left->addLayout(sources);
    left->addWidget(lstFiles, 1);
    auto *hint = new QLabel(
        tr("Drag the handles to size the picture; the corner keeps its proportions unless Shift is held."), this);
    hint->setEnabled(false);
    auto *right = new QVBoxLayout;
    right->addWidget(hint);
    right->addWidget(imgPreview, 1);
    right->addWidget(chkLine);
    right->addWidget(chkDefault);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addLayout(right, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSelect);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(900, 560);

    connect(optStandard, &QRadioButton::clicked, this, [this] { optSource_Click(QStringLiteral("S")); });
    connect(optCustom, &QRadioButton::clicked, this, [this] { optSource_Click(QStringLiteral("C")); });
    connect(lstFiles, &PictureGrid::fileChosen, this, &frmSelectImage::lstFiles_Click);
    connect(lstFiles, &QListView::doubleClicked, this, &frmSelectImage::cmdSelect_Click);
    connect(cmdSelect, &QPushButton::clicked, this, &frmSelectImage::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSelectImage::cmdCancel_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmSelectImage::cmdImport_Click);
    connect(chkNoPicture, &QCheckBox::clicked, this, &frmSelectImage::chkNoPicture_Click);

    runGuarded(mDialogs, this, [this] { LoadEvent(); });
}

frmSelectImage::~frmSelectImage() = default;

void frmSelectImage::addPicturesButton(QBoxLayout *row)
{
    cmdAddPictures = new QPushButton(tr("Add pictures…"), this);
    cmdAddPictures->setObjectName(QStringLiteral("cmdAddPictures"));
    cmdAddPictures->setToolTip(tr("Choose picture files on your computer, copy them into this project and select "
                                  "the first"));
    cmdAddPictures->setAutoDefault(false);
    row->addWidget(cmdAddPictures);
    chooseFiles = [](QWidget *parentWidget, const QString &filter) {
        return QFileDialog::getOpenFileNames(parentWidget, tr("Add pictures"),
                                             QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                             filter + QStringLiteral(";;All files (*)"));
    };
    connect(cmdAddPictures, &QPushButton::clicked, this, &frmSelectImage::cmdAddPictures_Click);
}

void frmSelectImage::LoadEvent()
{
    mEventId = g.SelectedId;
    QString imageSource = QStringLiteral("S");
    QString imageName;
    if (mEventId > 0) {
        SqlQuery q(g.ProjectDb, QStringLiteral("SELECT ImageSource, ImageName, Name FROM Event WHERE Id = ?"));
        q.bind(mEventId).exec();
        if (q.next()) {
            imageSource = NzStr(q.value(0), QStringLiteral("S"));
            imageName = NzStr(q.value(1), QStringLiteral("Im0.gif"));
            setWindowTitle(QStringLiteral("Select picture") + QStringLiteral(" - ") + q.value(2).toString());
        }
    }
    clFormat format;
    format.GetFormat(g.ProjectDb, mEventId, g.CurTimeLineId);

    optSource_Click(imageSource == u"C" ? QStringLiteral("C") : QStringLiteral("S"));
    imgPreview->setImage(LoadLibraryPicture(g, imageSource, QStringLiteral("I"), imageName));
    imgPreview->setPictureSize(format.PictureWidth, format.PictureHeight);
    chkLine->setChecked(format.LineVisible);
    chkNoPicture->setChecked(isNoPicture(imageSource));
    chkDefault->setChecked(false);
    chkNoPicture_Click();
    // The event's own picture is chosen only where it is: the same name in the other library is
    // another picture.
    if (imageSource == mSource) {
        mLoading = true;
        lstFiles->selectFile(imageName);
        mLoading = false;
    }
}

void frmSelectImage::optSource_Click(const QString &source)
{
    mSource = source;
    (source == u"S" ? optStandard : optCustom)->setChecked(true);
    lstFiles->setFolder(PictureFolder(g, source, QStringLiteral("I")), libraryFiles(g, source, QStringLiteral("I")));
}

void frmSelectImage::lstFiles_Click(const QString &name)
{
    const QImage image = LoadLibraryPicture(g, mSource, QStringLiteral("I"), name);
    imgPreview->setImage(image);
    if (!mLoading && chkNoPicture->isChecked()) {
        chkNoPicture->setChecked(false);
        chkNoPicture_Click();
    }
    // A picture chosen now shows in its own proportions, large enough to be seen; the event's own
    // picture keeps the size the event has.
    if (!mLoading) {
        const QSizeF size = PictureHandles::startSize(image.size(), imgPreview->pictureSize());
        imgPreview->setPictureSize(size.width(), size.height());
    }
}

void frmSelectImage::chkNoPicture_Click()
{
    // The size stays as it is, for the day the event gets a picture again.
    const bool none = chkNoPicture->isChecked();
    lstFiles->setEnabled(!none);
    imgPreview->setEnabled(!none);
    optStandard->setEnabled(!none);
    optCustom->setEnabled(!none);
}

void frmSelectImage::cmdSelect_Click()
{
    runGuarded(mDialogs, this, [this] {
        const bool none = chkNoPicture->isChecked();
        const QString name = none ? QString() : lstFiles->currentFileName();
        if (name.isEmpty() && !none) {
            mDialogs.message(this, QStringLiteral("No picture was selected"));
            return;
        }
        if (mEventId <= 0 || !eventExists(g.ProjectDb, mEventId)) {
            mDialogs.message(this, tr("The event was deleted, so it cannot be given a picture."));
            close();
            return;
        }
        PictureChoice choice;
        choice.eventId = mEventId;
        choice.source = none ? NoPictureSource.toString() : mSource;
        choice.name = name;
        choice.makeDefault = chkDefault->isChecked();
        const QSizeF size = imgPreview->pictureSize();
        choice.width = static_cast<int>(std::lround(size.width()));
        choice.height = static_cast<int>(std::lround(size.height()));
        choice.lineVisible = chkLine->isChecked();
        if (!none)
            choice.image = LoadLibraryPicture(g, mSource, QStringLiteral("I"), name);
        if (onSelect)
            onSelect(choice);
        close();
    });
}

void frmSelectImage::cmdCancel_Click()
{
    close();
}

void frmSelectImage::cmdImport_Click()
{
    runGuarded(mDialogs, this, [this] {
        frmImportImages import(g, mDialogs, QStringLiteral("I"), this);
        import.exec();
        optSource_Click(QStringLiteral("C"));
    });
}

} // namespace qm
