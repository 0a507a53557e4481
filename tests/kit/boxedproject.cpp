// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/boxedproject.h"

#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/sqlquery.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>

namespace qmtest {

void writePictures(qm::Globals &g)
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

BoxedProject::BoxedProject(int count, Pictures pictures)
{
    g.MinDist = 100;
    if (pictures == Pictures::Library) {
        g.ProjectFolder = dir.filePath(QStringLiteral("Boxes")) + QDir::separator();
        writePictures(g);
    }
    timelineId = addTimeline(g, QStringLiteral("Boxes"), QStringLiteral("A thousand years"));
    qm::TransactionGuard guard(g.ProjectDb);
    qm::SqlQuery place(g.ProjectDb, QStringLiteral("INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) "
                                                   "VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < count; ++i) {
        qm::clEvent e(g);
        e.EventDate = std::make_shared<qm::ExtDate>(static_cast<double>(10000 + i), qm::EraPlain);
        e.EventDateStr = e.EventDate->Render();
        e.Name = QStringLiteral("Event number %1 of the long timeline").arg(i);
        if (pictures == Pictures::Library) {
            e.ImageSource = QStringLiteral("C");
            e.ImageName = QStringLiteral("pic%1.png").arg(i % PictureCount);
        }
        place.bind(timelineId).bind(e.Save()).bind(1500 + i * 900).bind(900 + (i % 5) * 1200).exec();
    }
    guard.commit();
}

LoadedBoxes::LoadedBoxes(int count, Pictures pictures) : BoxedProject(count, pictures)
{
    canvas.LoadTimeLine(timelineId);
}

} // namespace qmtest
