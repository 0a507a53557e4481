// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of one's own in one step: chosen, copied into the project, shown selected.
#include "frmselectimage.h"

#include "common/guarded.h"
#include "common/userdialogs.h"
#include "picturegrid.h"
#include "store/picturefiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QProgressDialog>

namespace qm {

void frmSelectImage::cmdAddPictures_Click()
{
    runGuarded(mDialogs, this, [this] {
        const QStringList chosen = chooseFiles ? chooseFiles(this, pictureFileFilter()) : QStringList();
        // A file no picture reader can read would only show as an empty frame: it stays out.
        QStringList paths;
        QStringList unreadable;
        for (const QString &path : chosen)
            (QImageReader(path).canRead() ? paths : unreadable) << path;
        if (!unreadable.isEmpty())
            mDialogs.message(this, tr("These files are not pictures this program can read, so they were not "
                                      "added:\n%1")
                                       .arg(unreadable.join(u'\n')));
        if (paths.isEmpty())
            return;
        QProgressDialog progress(tr("Copying pictures..."), tr("Stop"), 0, static_cast<int>(paths.size()), this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(400);
        QApplication::setOverrideCursor(Qt::BusyCursor);
        ImportResult r;
        try {
            r = importPictures(g, QStringLiteral("I"), paths, [&progress](int done, int) {
                progress.setValue(done);
                return !progress.wasCanceled();
            });
        } catch (...) {
            QApplication::restoreOverrideCursor();
            throw;
        }
        QApplication::restoreOverrideCursor();
        progress.reset();
        if (!r.copied.isEmpty()) {
            // The project's own pictures, with the first one copied chosen, ready for Select.
            optSource_Click(QStringLiteral("C"));
            const QString first = r.copied.front();
            if (lstFiles->selectFile(first))
                lstFiles_Click(first);
        }
        if (!r.failures.isEmpty())
            mDialogs.message(
                this, tr("These pictures could not be copied into the project:\n%1").arg(r.failures.join(u'\n')));
    });
}

} // namespace qm
