// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's printing dialogs, kept with the rest of printing.
#include "common/userdialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace qm {

bool PlatformDialogs::hasPrinter()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool PlatformDialogs::printSetup(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    // The pages follow the canvas: there is no range or selection to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

void PlatformDialogs::printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter *p) { paint(*p); });
    preview.exec();
}

} // namespace qm
