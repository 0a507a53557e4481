// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/fontsubstitutes.h"

#include <QFontDatabase>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
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
    // Each test process keeps its settings (the recent projects) to itself: tests run in parallel.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    TestApplication::setApplicationName(QStringLiteral("Quillmarsh"));
    TestApplication::setOrganizationName(QStringLiteral("Quillmarsh"));
    // One known font so that text measured in tests does not depend on the machine's defaults.
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    if (id >= 0)
        TestApplication::setFont(QFont(QFontDatabase::applicationFontFamilies(id).value(0)));
    // The same look-alike fonts as the program and the command-line tool.
    qm::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
