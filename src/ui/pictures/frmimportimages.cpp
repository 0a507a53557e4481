// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmimportimages.h"

#include "common/guarded.h"
#include "common/userdialogs.h"
#include "store/globals.h"
#include "store/picturefiles.h"
#include "store/picturelibrary.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace qm {

namespace {

constexpr int PreviewSide = 220;

} // namespace

frmImportImages::frmImportImages(Globals &globals, UserDialogs &dialogs, const QString &kind, QWidget *parent)
    : QDialog(parent), g(globals), mDialogs(dialogs), mKind(kind)
{
    setObjectName(QStringLiteral("frmImportImages"));
    setWindowTitle(QStringLiteral("Import Images"));

    lblPrompt = new QLabel(QStringLiteral("Select the images you would like to import into this project"), this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    lstImport = new QListWidget(this);
    lstImport->setObjectName(QStringLiteral("lstImport"));
    lstImport->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lblPath = new QLabel(this);
    lblPath->setObjectName(QStringLiteral("lblPath"));
    lblPath->setWordWrap(true);
    lblPath->setFixedWidth(PreviewSide);
    imgPreview = new QLabel(this);
    imgPreview->setObjectName(QStringLiteral("imgPreview"));
    imgPreview->setFixedSize(PreviewSide, PreviewSide);
    imgPreview->setAlignment(Qt::AlignCenter);
    lblBad = new QLabel(QStringLiteral("This is not an image file"), this);
    lblBad->setObjectName(QStringLiteral("lblBad"));
    lblBad->setStyleSheet(QStringLiteral("color: #c00000"));
    lblBad->setWordWrap(true);
    lblBad->setFixedWidth(PreviewSide);
    lblBad->hide();

    auto makeButton = [this](const char *name, const QString &caption, const QString &tip) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    cmdAdd = makeButton("cmdAdd", tr("Add pictures..."), tr("Choose picture files to add to the list"));
    cmdRemove = makeButton("cmdRemove", tr("Remove"), tr("Take the highlighted files off the list"));
    cmdRemoveAll = makeButton("cmdRemoveAll", tr("Remove all"), tr("Empty the list"));
    cmdImport = makeButton("cmdImport", QStringLiteral("Import && Exit"),
                           tr("Copy the listed pictures into the project and close"));
    cmdCancel = makeButton("cmdCancel", QStringLiteral("Cancel"), tr("Close without copying anything"));

    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(cmdAdd);
    listButtons->addWidget(cmdRemove);
    listButtons->addWidget(cmdRemoveAll);
    listButtons->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(lblPrompt);
    left->addWidget(lstImport, 1);
    left->addLayout(listButtons);
    auto *right = new QVBoxLayout;
    right->addWidget(imgPreview);
    right->addWidget(lblBad);
    right->addWidget(lblPath);
    right->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdImport);
    bottom->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    resize(720, 440);

    chooseFiles = [](QWidget *parentWidget, const QString &filter) {
        // The pictures folder is named even where it was never made; home is then the place to start.
        QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (start.isEmpty() || !QFileInfo(start).isDir())
            start = QDir::homePath();
        return QFileDialog::getOpenFileNames(parentWidget, QStringLiteral("Import Images"), start,
                                             filter + QStringLiteral(";;All files (*)"));
    };
    connect(cmdAdd, &QPushButton::clicked, this, &frmImportImages::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmImportImages::cmdRemove_Click);
    connect(cmdRemoveAll, &QPushButton::clicked, this, &frmImportImages::cmdRemoveAll_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmImportImages::cmdImport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstImport, &QListWidget::currentRowChanged, this, &frmImportImages::lstImport_Click);
}

QStringList frmImportImages::importList() const
{
    QStringList paths;
    for (int i = 0; i < lstImport->count(); ++i)
        paths << lstImport->item(i)->data(Qt::UserRole).toString();
    return paths;
}

void frmImportImages::addFiles(const QStringList &paths)
{
    const QStringList present = importList();
    for (const QString &p : paths) {
        const QString full = QFileInfo(p).absoluteFilePath();
        if (present.contains(full) || importList().contains(full))
            continue;
        auto *item = new QListWidgetItem(QDir::toNativeSeparators(full), lstImport);
        item->setData(Qt::UserRole, full);
    }
    if (lstImport->currentRow() < 0 && lstImport->count() > 0)
        lstImport->setCurrentRow(lstImport->count() - 1);
}

void frmImportImages::cmdAdd_Click()
{
    addFiles(chooseFiles(this, pictureFileFilter()));
}

void frmImportImages::cmdRemove_Click()
{
    for (QListWidgetItem *item : lstImport->selectedItems())
        delete item;
    lstImport_Click();
}

void frmImportImages::cmdRemoveAll_Click()
{
    lstImport->clear();
    lstImport_Click();
}

void frmImportImages::lstImport_Click()
{
    QListWidgetItem *item = lstImport->currentItem();
    if (!item) {
        lblPath->clear();
        imgPreview->clear();
        lblBad->hide();
        return;
    }
    const QString path = item->data(Qt::UserRole).toString();
    lblPath->setText(QDir::toNativeSeparators(path));
    QString why;
    QImage image = readPictureFile(path, QSize(PreviewSide, PreviewSide), &why);
    if (image.width() > PreviewSide || image.height() > PreviewSide)
        image = image.scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const bool good = !image.isNull();
    if (!why.isEmpty())
        why[0] = why[0].toUpper();
    lblBad->setText(QStringLiteral("This is not an image file") +
                    (good ? QString() : QStringLiteral(":\n") + why + u'.'));
    lblPath->setStyleSheet(good ? QStringLiteral("color: black") : QStringLiteral("color: #ff0000"));
    imgPreview->setVisible(good);
    imgPreview->setPixmap(good ? QPixmap::fromImage(image) : QPixmap());
    lblBad->setVisible(!good);
}

void frmImportImages::cmdImport_Click()
{
    runGuarded(mDialogs, this, [this] {
        const QStringList paths = importList();
        if (paths.isEmpty()) {
            accept();
            return;
        }
        QProgressDialog progress(tr("Copying pictures..."), tr("Stop"), 0, static_cast<int>(paths.size()), this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(400);
        QApplication::setOverrideCursor(Qt::BusyCursor);
        const ImportResult r = importPictures(g, mKind, paths, [&progress](int done, int) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
        QApplication::restoreOverrideCursor();
        progress.reset();
        // What was copied leaves the list; what failed stays for another try.
        for (int i = lstImport->count() - 1; i >= 0; --i) {
            if (r.copied.contains(QFileInfo(lstImport->item(i)->data(Qt::UserRole).toString()).fileName()))
                delete lstImport->item(i);
        }
        if (!r.failures.isEmpty()) {
            mDialogs.error(this,
                           tr("These pictures could not be copied into the project:\n%1").arg(r.failures.join(u'\n')));
            return;
        }
        if (lstImport->count() == 0)
            accept();
    });
}

} // namespace qm
