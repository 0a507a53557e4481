// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picturehandles.h"

#include <QImage>
#include <QWidget>

#include <memory>

namespace qm {

// The picture chooser's preview: the picture at the size it will have on the timeline, with the
// handles on its right and bottom edges that change that size.
class PicturePreview : public QWidget
{
    Q_OBJECT
public:
    static constexpr double HandleSideTwips = 120.0;
    static constexpr double MarginTwips = 150.0;

    explicit PicturePreview(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    const QImage &image() const { return mImage; }
    // The picture's size in twips, as the format stores it.
    void setPictureSize(double widthTwips, double heightTwips);
    QSizeF pictureSize() const;
    PictureHandles &handles() { return *mHandles; }
    double twipsPerPixel() const;

signals:
    void sizeChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRectF toPixels(const QRectF &twips) const;
    void rebuildHandles(const QSizeF &size);

    QImage mImage;
    std::unique_ptr<PictureHandles> mHandles;
};

} // namespace qm
