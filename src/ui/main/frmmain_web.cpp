// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File ▸ Export web page: the timeline shown as one page to put on a class site or hand round.
#include "common/userdialogs.h"
#include "frmmain.h"
#include "layout/timelinecanvas.h"
#include "render/webpagecontent.h"
#include "render/webpageexport.h"
#include "store/cltimeline.h"
#include "store/globals.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace qm {

namespace {

// The hourglass while the page is made, put back however that ends.
struct WaitCursor
{
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

void frmMain::mnuFileExportWeb_Click()
{
    if (mState.timelineState() != MenuState::TimelineShown || !g.CurTimeLine)
        return;
    // Beside the project, named after the timeline; separators would name folders.
    QString name = g.CurTimeLine->Name.trimmed();
    name.replace(u'/', u'-').replace(u'\\', u'-');
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(QStringLiteral("Timeline"));
    const QString proposed = QDir(QFileInfo(g.ProjectPath).absolutePath()).filePath(name + QStringLiteral(".html"));
    QString file = mDialogs.saveFileName(this, tr("Export web page"), tr("Web page (*.html *.htm)"),
                                         QStringLiteral("html"), proposed);
    if (file.isEmpty())
        return;
    if (!WebPageExport::isWebPage(file))
        file += QStringLiteral(".html");
    if (QFileInfo(file).isFile() &&
        !mDialogs.question(this,
                           tr("\"%1\" already exists. Do you want to replace it?").arg(QDir::toNativeSeparators(file))))
        return;
    QString error;
    bool written = false;
    guarded([&] {
        const WaitCursor busy;
        const WebPageContent page = WebPageContent::gather(g.ProjectDb, *g.CurTimeLine, mCanvas->outputModel(), g.Zoom,
                                                           g.ProjectPath, QDate::currentDate());
        written = WebPageExport::exportPage(page, file, &error);
    });
    if (!written && !error.isEmpty())
        mDialogs.message(this, error);
}

} // namespace qm
