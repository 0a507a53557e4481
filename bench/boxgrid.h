// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/boxedproject.h"
#include "layout/cluple.h"
#include "layout/textmeasurer.h"
#include "render/canvasrenderer.h"
#include "store/clevent.h"
#include "store/clformat.h"

#include <QDir>
#include <QImage>
#include <QPainter>

// 100 boxes with pictures in ten rows over a 1600 x 1000 pixel area, drawn as the canvas widget draws them.
struct BoxGrid
{
    explicit BoxGrid(bool solidNames)
    {
        g.ProjectFolder = project.dir.filePath(QStringLiteral("Bench")) + QDir::separator();
        qmtest::writePictures(g);
        model.width = 24000;
        model.height = 15000;
        model.axis.p1 = QPointF(240, 14000);
        model.axis.p2 = QPointF(23000, 14000);
        qm::clFormat format;
        format.PictureWidth = 600;
        format.PictureHeight = 450;
        format.TextMaxWidth = 1200;
        format.TextSolid = solidNames;
        for (int i = 0; i < 100; ++i) {
            qm::CanvasBox &b = model.addBox(i + 1);
            b.picture.rect = QRectF(300 + (i % 10) * 2350, 300 + (i / 10) * 1350, 0, 0);
            qm::clUple unit(g, measurer, &pictures);
            unit.Init(model, i + 1);
            qm::clEvent e(g);
            e.Name = QStringLiteral("Event number %1 of the grid").arg(i);
            e.ImageSource = QStringLiteral("C");
            e.ImageName = QStringLiteral("pic%1.png").arg(i % qmtest::PictureCount);
            unit.ApplyFormat(format);
            unit.ApplyEvent(e);
            unit.Arrange();
        }
    }

    void paint()
    {
        QPainter p(&target);
        qm::CanvasRenderer::paint(p, model, QRectF(0, 0, 24000, 15000), 1.0 / 15);
    }

    qmtest::TempProject project;
    qm::Globals &g = project.g;
    const qm::FontTextMeasurer measurer;
    qm::PictureCache pictures;
    qm::CanvasModel model;
    QImage target{1600, 1000, QImage::Format_ARGB32_Premultiplied};
};
