// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturegrid.h"

#include "store/picturefiles.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QRunnable>
#include <QStyle>

namespace qm {

namespace {

QPixmap framed(const QColor &fill)
{
    QPixmap p(PictureLibraryModel::ThumbSide, PictureLibraryModel::ThumbSide);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setPen(QColor(0xb0, 0xb0, 0xb0));
    painter.setBrush(fill);
    painter.drawRect(p.rect().adjusted(8, 8, -9, -9));
    return p;
}

} // namespace

PictureLibraryModel::PictureLibraryModel(QObject *parent)
    : QAbstractListModel(parent), mPlaceholder(framed(QColor(0xf0, 0xf0, 0xf0))),
      mBroken(framed(QColor(0xff, 0xe0, 0xe0)))
{
    // Two decoders keep the window responsive on small machines and still fill a grid quickly.
    mPool.setMaxThreadCount(2);
}

PictureLibraryModel::~PictureLibraryModel()
{
    // No decoder may outlive the model it reports to.
    mPool.clear();
    mPool.waitForDone();
}

void PictureLibraryModel::waitForThumbnails()
{
    mPool.waitForDone();
    QCoreApplication::sendPostedEvents(this);
}

void PictureLibraryModel::setFolder(const QString &folder, const QStringList &names)
{
    beginResetModel();
    mPool.clear();
    ++mGeneration;
    mFolder = folder;
    mNames = names;
    mThumbs.clear();
    mRequested.clear();
    endResetModel();
}

int PictureLibraryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(mNames.size());
}

QVariant PictureLibraryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= mNames.size())
        return {};
    const QString &name = mNames[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return name;
    case Qt::DecorationRole: {
        const auto it = mThumbs.constFind(name);
        if (it != mThumbs.constEnd())
            return it.value();
        request(index.row());
        return mPlaceholder;
    }
    case PathRole:
        return QDir(mFolder).filePath(name);
    default:
        return {};
    }
}

void PictureLibraryModel::request(int row) const
{
    const QString name = mNames[row];
    if (mRequested.contains(name))
        return;
    mRequested.insert(name);
    const QString path = QDir(mFolder).filePath(name);
    const quint64 generation = mGeneration;
    auto *self = const_cast<PictureLibraryModel *>(this);
    mPool.start([self, path, name, generation] {
        const QImage image = loadThumbnail(path, QSize(ThumbSide, ThumbSide));
        // Queued to the model's thread; a model that is gone has cleared and waited for this pool.
        QMetaObject::invokeMethod(
            self, [self, generation, name, image] { self->deliver(generation, name, image); }, Qt::QueuedConnection);
    });
}

void PictureLibraryModel::deliver(quint64 generation, const QString &name, const QImage &image)
{
    if (generation != mGeneration)
        return;
    mThumbs.insert(name, image.isNull() ? mBroken : QPixmap::fromImage(image));
    const int row = static_cast<int>(mNames.indexOf(name));
    if (row < 0)
        return;
    emit dataChanged(index(row), index(row), {Qt::DecorationRole});
    emit thumbnailReady(row);
}

PictureGrid::PictureGrid(QWidget *parent) : QListView(parent), mModel(new PictureLibraryModel(this))
{
    setModel(mModel);
    setViewMode(QListView::IconMode);
    setIconSize(QSize(PictureLibraryModel::ThumbSide, PictureLibraryModel::ThumbSide));
    setGridSize(QSize(PictureLibraryModel::ThumbSide + 28, PictureLibraryModel::ThumbSide + 30));
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid())
            emit fileChosen(current.data(Qt::DisplayRole).toString());
    });
}

void PictureGrid::setFolder(const QString &folder, const QStringList &names)
{
    mModel->setFolder(folder, names);
}

QString PictureGrid::currentFileName() const
{
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? QString() : chosen.front().data(Qt::DisplayRole).toString();
}

bool PictureGrid::selectFile(const QString &name)
{
    const int row = static_cast<int>(mModel->names().indexOf(name));
    if (row < 0) {
        selectionModel()->clear();
        return false;
    }
    const QModelIndex index = mModel->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
    return true;
}

} // namespace qm
