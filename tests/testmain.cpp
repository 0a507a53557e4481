// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontDatabase>
#include <QStandardPaths>
#include <QtGlobal>

#ifdef QT_WIDGETS_LIB
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QUILLMARSH_NO_SPLASH", "1");
    QStandardPaths::setTestModeEnabled(true);
    TestApplication app(argc, argv);
    TestApplication::setApplicationName(QStringLiteral("Quillmarsh"));
    TestApplication::setOrganizationName(QStringLiteral("Quillmarsh"));
    // One known font so that text measured in tests does not depend on the machine's defaults.
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    if (id >= 0)
        TestApplication::setFont(QFont(QFontDatabase::applicationFontFamilies(id).value(0)));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
