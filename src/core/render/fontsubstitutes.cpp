// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontsubstitutes.h"

#include <QFont>
#include <QStringList>

namespace qm {

void installFontSubstitutes()
{
    QFont::insertSubstitutions(
        QStringLiteral("Book Antiqua"),
        {QStringLiteral("P052"), QStringLiteral("TeX Gyre Pagella"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Georgia"), {QStringLiteral("Gelasio"), QStringLiteral("DejaVu Serif")});
}

} // namespace qm
