// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any file opened in the capture window: plain text in any encoding, or a web page.
#include "capture/textfile.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 262144)
        return 0;
    const QByteArray input = qmfuzz::bytes(data, size);
    qm::TextFileFormat format;
    const QString text = qm::decodeTextFile(input, &format);
    qm::encodeTextFile(text, format);
    qm::toPaneLineBreaks(qm::decodeHtmlFile(input));
    return 0;
}
