// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any file opened in the capture window as a Word or OpenDocument text: an archive, damaged or not,
// holding XML, well-formed or not.
#include "capture/officetext.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1048576)
        return 0;
    const QByteArray input = qmfuzz::bytes(data, size);
    QString error;
    qm::readOfficeText(input, qm::OfficeFormat::Docx, &error);
    qm::readOfficeText(input, qm::OfficeFormat::Odt, &error);
    return 0;
}
