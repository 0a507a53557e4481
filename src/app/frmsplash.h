// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSplashScreen>

namespace qm {

// The window shown while the program starts: its name, version and purpose.
class frmSplash : public QSplashScreen
{
public:
    frmSplash();

    // How long it stays, unless QUILLMARSH_NO_SPLASH is set (tests and scripts do not wait).
    static constexpr int ShowMilliseconds = 3000;
    static bool wanted();
};

} // namespace qm
