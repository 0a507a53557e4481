// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QImage>
#include <QListView>
#include <QPixmap>
#include <QSet>
#include <QThreadPool>

namespace qm {

// The pictures of one folder, each with a thumbnail that is decoded on a worker thread the first
// time the view asks for it: a library of hundreds of pictures shows at once and fills in as it
// is seen.
class PictureLibraryModel : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int ThumbSide = 96;
    static constexpr int PathRole = Qt::UserRole;

    explicit PictureLibraryModel(QObject *parent = nullptr);
    ~PictureLibraryModel() override;

    void setFolder(const QString &folder, const QStringList &names);
    const QStringList &names() const { return mNames; }
    QString folder() const { return mFolder; }
    // How many thumbnails have arrived (tests and the benchmark wait for them).
    int thumbnailsLoaded() const { return static_cast<int>(mThumbs.size()); }
    // Waits for the thumbnails being decoded.
    void waitForThumbnails();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

signals:
    void thumbnailReady(int row);

private:
    void request(int row) const;
    void deliver(quint64 generation, const QString &name, const QImage &image);

    QString mFolder;
    QStringList mNames;
    QHash<QString, QPixmap> mThumbs;
    mutable QSet<QString> mRequested;
    mutable QThreadPool mPool;
    quint64 mGeneration = 0;
    QPixmap mPlaceholder;
    QPixmap mBroken;
};

// A grid of thumbnails with the file names under them.
class PictureGrid : public QListView
{
    Q_OBJECT
public:
    explicit PictureGrid(QWidget *parent = nullptr);

    PictureLibraryModel &library() { return *mModel; }
    void setFolder(const QString &folder, const QStringList &names);
    // The chosen file's name; "" for none.
    QString currentFileName() const;
    // Chooses the first file of that name (exact); false, with nothing chosen, when there is none.
    bool selectFile(const QString &name);

signals:
    void fileChosen(const QString &name);

private:
    PictureLibraryModel *mModel;
};

} // namespace qm
