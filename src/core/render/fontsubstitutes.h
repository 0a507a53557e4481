// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace qm {

// Maps the fonts that timelines name and Linux lacks to free look-alikes, so that the screen, the
// exported pictures and the command-line tool all draw the same letters.
void installFontSubstitutes();

} // namespace qm
