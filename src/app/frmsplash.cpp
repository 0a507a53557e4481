// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmsplash.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace qm {

namespace {

QPixmap splashPicture()
{
    QPixmap pm(520, 300);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, pm.height());
    sky.setColorAt(0, QColor(250, 244, 228));
    sky.setColorAt(1, QColor(226, 212, 180));
    p.fillRect(pm.rect(), sky);

    // A small timeline: an axis with dated ticks and boxes above it.
    const int axisY = 210;
    p.setPen(QPen(QColor(90, 60, 30), 3));
    p.drawLine(40, axisY, 480, axisY);
    const int ticks[] = {70, 160, 250, 340, 430};
    for (int i = 0; i < 5; ++i) {
        const int x = ticks[i];
        p.setPen(QPen(QColor(90, 60, 30), 2));
        p.drawLine(x, axisY - 40 + (i % 2) * 15, x, axisY);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRoundedRect(QRectF(x - 18, axisY - 70 + (i % 2) * 15, 36, 30), 4, 4);
    }

    QFont title(QStringLiteral("DejaVu Serif"), 30, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(70, 40, 20));
    p.drawText(QRect(0, 30, pm.width(), 50), Qt::AlignCenter, QStringLiteral("Quillmarsh"));
    QFont small(QStringLiteral("DejaVu Sans"), 10);
    p.setFont(small);
    p.drawText(QRect(0, 80, pm.width(), 24), Qt::AlignCenter,
               QObject::tr("Illustrated timelines of historical events"));
    p.drawText(QRect(0, 250, pm.width() - 16, 30), Qt::AlignRight | Qt::AlignVCenter,
               QObject::tr("Version %1").arg(QStringLiteral(QM_VERSION)));
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pm.rect().adjusted(1, 1, -1, -1));
    return pm;
}

} // namespace

frmSplash::frmSplash() : QSplashScreen(splashPicture())
{
    setObjectName(QStringLiteral("frmSplash"));
}

bool frmSplash::wanted()
{
    return !qEnvironmentVariableIsSet("QUILLMARSH_NO_SPLASH");
}

} // namespace qm
