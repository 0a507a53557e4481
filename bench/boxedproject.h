// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchsupport.h"

#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/sqlquery.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>

namespace qmbench {

constexpr int PictureCount = 30;

// Pictures of a few hundred pixels, as scanned or downloaded illustrations are, in the project's
// own library.
inline void writePictures(qm::Globals &g)
{
    QDir().mkpath(g.ProjectFolder + QStringLiteral("Images"));
    for (int i = 0; i < PictureCount; ++i) {
        QImage image(320, 240, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient gradient(0, 0, 320, 240);
        gradient.setColorAt(0, QColor::fromHsv(i * 12, 200, 230));
        gradient.setColorAt(1, QColor::fromHsv((i * 12 + 120) % 360, 200, 80));
        p.fillRect(image.rect(), gradient);
        p.drawEllipse(40 + i, 30, 200, 160);
        p.end();
        image.save(g.ProjectFolder + QStringLiteral("Images/pic%1.png").arg(i));
    }
}

// A project whose one timeline holds `count` boxes, a day apart, each showing one of the pictures,
// placed in five rows so that the whole timeline still fits a JPEG picture.
struct BoxedProject
{
    explicit BoxedProject(int count)
    {
        project.g.ProjectFolder = project.dir.filePath(QStringLiteral("Bench")) + QDir::separator();
        project.g.MinDist = 100;
        writePictures(project.g);
        qm::clTimeLine t(project.g.ProjectDb);
        t.Name = QStringLiteral("Bench");
        t.LabelCaption = QStringLiteral("A thousand years");
        timelineId = t.Save();
        qm::TransactionGuard guard(project.g.ProjectDb);
        for (int i = 0; i < count; ++i) {
            qm::clEvent e(project.g);
            e.EventDate = std::make_shared<qm::ExtDate>(static_cast<double>(10000 + i), qm::EraPlain);
            e.EventDateStr = e.EventDate->Render();
            e.Name = QStringLiteral("Event number %1 of the long timeline").arg(i);
            e.ImageSource = QStringLiteral("C");
            e.ImageName = QStringLiteral("pic%1.png").arg(i % PictureCount);
            const qint32 id = e.Save();
            qm::execSql(project.g.ProjectDb,
                        QStringLiteral("INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) "
                                       "VALUES (?, ?, ?, ?)"),
                        {timelineId, id, 1500 + i * 900, 900 + (i % 5) * 1200});
        }
        guard.commit();
    }

    BenchProject project;
    qint32 timelineId = 0;
};

} // namespace qmbench
