// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace qm {

// The OK and Cancel buttons of a dialog, named cmdOK and cmdCancel so that tests find them, OK the
// default; the caller connects them.
QDialogButtonBox *okCancelButtons(QDialog *dialog, QPushButton *&ok, QPushButton *&cancel);

} // namespace qm
