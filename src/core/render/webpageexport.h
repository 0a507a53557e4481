// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;

namespace qm {

struct WebPageContent;

// A timeline as one web page that needs nothing outside itself: the drawing the SVG export makes,
// each picture once, the events' words, and the page's own script for moving about and reading.
// Nothing an event holds can run in the page: every text is data, and the page's security policy
// allows no script but its own and no request beyond its own file.
class WebPageExport
{
public:
    // Pictures are embedded no larger than this many times the largest size a box shows them at.
    static constexpr double PictureSharpness = 2.0;

    // Whether a file name asks for a web page: .html or .htm, letter case ignored.
    static bool isWebPage(const QString &fileName);
    // Writes the page; false, with the reason in `error`, when it cannot be made or written.
    static bool write(const WebPageContent &page, QIODevice &device, QString *error);
    // Writes the page to the file, leaving the old one untouched and nothing behind on failure.
    static bool exportPage(const WebPageContent &page, const QString &fileName, QString *error);
};

} // namespace qm
