// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window's event commands: scanning for dates, walking through them, accepting them as
// events, and taking names and descriptions from the selected text.
#include "frmtext.h"

#include "capture/capturedocument.h"
#include "common/userdialogs.h"
#include "dates/platformdate.h"
#include "panemarks.h"
#include "store/datequeries.h"
#include "store/globals.h"
#include "store/storeerror.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QSignalBlocker>
#include <QTextEdit>

namespace qm {

namespace {

// The hourglass while the window reads the database.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

// The scanned text keeps line breaks as CR LF; the edit fields want one character per break.
QString toField(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString dateTakenText()
{
    return QStringLiteral("Another event with this exact date already exists in this project. ") +
           QStringLiteral("Change the date or check \"%1\".").arg(sameDayCaption());
}

} // namespace

void frmText::tbEvent_ButtonClick(QAction *button)
{
    const QString key = button->objectName();
    if (key == QStringLiteral("Scan")) {
        ScanDates();
    } else if (key == QStringLiteral("Next") && mSession.nextEnabled()) {
        ShowFoundDate(++mSession.CurrentDateIndex);
        UpdateDateNavigation();
    } else if (key == QStringLiteral("Prev") && mSession.prevEnabled()) {
        ShowFoundDate(--mSession.CurrentDateIndex);
        UpdateDateNavigation();
    } else if (key == QStringLiteral("Accept")) {
        AcceptEvent();
    } else if (key == QStringLiteral("AcceptAll")) {
        AcceptAllEvents();
    }
}

void frmText::ScanDates()
{
    guarded([this] {
        QDate written;
        if (const QString typed = txtWritten->text().trimmed(); !typed.isEmpty()) {
            const auto day = platformdate::parseParts(typed, g.dateEnv().today(), false, g.dateOrder);
            if (!day) {
                txtWritten->setFocus();
                txtWritten->selectAll();
                mDialogs.error(this, tr("\"%1\" is not a day. Type the day the text was written, such as %2, or "
                                        "leave \"Written on\" empty to use the day the text gives.")
                                         .arg(typed, platformdate::namedText(2021, 3, 5, g.dateOrder)));
                return;
            }
            written = QDate(day->year, day->month, day->day);
        }
        QTextDocument *doc = rtb->document();
        mMarks->clear();
        // A long text shows how far the scan has come, and can be stopped; what was found so far stays.
        QProgressDialog progress(tr("Finding the dates of the text..."), tr("Cancel"), 0, 1000, this);
        progress.setObjectName(QStringLiteral("scanProgress"));
        progress.setWindowTitle(windowTitle().remove(QStringLiteral("[*]")));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(mProgressDelay);
        const qsizetype found = mSession.scan(
            documentText(*doc),
            [&progress](qsizetype done, qsizetype total) {
                progress.setValue(static_cast<int>(done * 1000 / std::max<qsizetype>(total, 1)));
                return !progress.wasCanceled();
            },
            written);
        const bool stopped = progress.wasCanceled();
        progress.reset();
        const WaitCursor wait;
        QList<PaneMarks::Range> ranges;
        ranges.reserve(found);
        for (int i = 1; i <= found; ++i)
            ranges << mSession.documentRange(i);
        mMarks->setFoundDates(ranges);
        rtb->setTextCursor(QTextCursor(doc));
        btnAcceptAll->setEnabled(found > 0);
        if (found > 0)
            ShowFoundDate(1);
        UpdateDateNavigation();
        QString report = found == 0   ? tr("No dates were found in the text.")
                         : found == 1 ? tr("One date found in the text.")
                                      : tr("%1 dates found in the text.").arg(found);
        if (const QDate on = mSession.writtenOn(); on.isValid() && !written.isValid())
            report += u' ' + tr("The text was read as written on %1, the day it gives at its top.")
                                 .arg(platformdate::namedText(on.year(), on.month(), on.day(), g.dateOrder));
        if (stopped)
            report += u' ' + tr("The scan was stopped before the end of the text.");
        status(report);
    });
}

void frmText::ShowFoundDate(int index)
{
    if (index < 1 || index > mSession.count())
        return;
    guarded([this, index] {
        const WaitCursor wait;
        const auto [start, length] = mSession.documentRange(index);
        QTextDocument *doc = rtb->document();
        mMarks->showDate(start, length);
        // Text edited since the scan may have become shorter than the positions found in it.
        const int last = doc->characterCount() - 1;
        QTextCursor c(doc);
        c.setPosition(std::clamp<int>(static_cast<int>(start), 0, last));
        c.setPosition(std::clamp<int>(static_cast<int>(start + length), 0, last), QTextCursor::KeepAnchor);
        rtb->setTextCursor(c);
        rtb->ensureCursorVisible();

        const FoundDateFields f = mSession.fieldsOf(index, chkAdvance->isChecked());
        {
            const QSignalBlocker block(txtDate);
            txtDateLabel->setText(toField(f.txtDateLabel).replace(u'\n', u' '));
            txtDate->setText(f.txtDate);
        }
        txtEnds->setText(f.txtEnds);
        txtShort->setPlainText(toField(f.txtShort));
        lblInProject->setText(f.inProject ? tr("in the project") : QString());
        txtLong->setPlainText(toField(f.context.txtLong));
        txtSource->setText(f.txtSource);
        txtActors->setText(f.txtActors);
        txtWhere->setText(f.txtWhere);
        txtKeyword->setText(f.txtKeyword);
        btnAccept->setEnabled(f.acceptEnabled);
        status(f.inProject ? tr("Date %1 of %2: its event is in the project already.").arg(index).arg(mSession.count())
                           : tr("Date %1 of %2.").arg(index).arg(mSession.count()));
    });
}

void frmText::clearEventFields()
{
    {
        const QSignalBlocker block(txtDate);
        txtDate->clear();
    }
    for (QLineEdit *f : {txtDateLabel, txtEnds, txtActors, txtWhere, txtSource, txtKeyword})
        f->clear();
    txtShort->clear();
    txtLong->clear();
    lblInProject->clear();
    btnAccept->setEnabled(false);
}

void frmText::UpdateDateNavigation()
{
    btnNext->setEnabled(mSession.nextEnabled());
    btnPrev->setEnabled(mSession.prevEnabled());
}

CaptureFields frmText::currentFields() const
{
    return {txtDate->text(),   txtShort->toPlainText(), txtLong->toPlainText(), txtActors->text(), txtWhere->text(),
            txtSource->text(), txtKeyword->text(),      txtDateLabel->text(),   txtEnds->text()};
}

void frmText::AcceptEvent()
{
    guarded([this] {
        if (!g.ProjectDb.isOpen()) {
            mDialogs.message(this, tr("Open a project to keep the events in first."));
            return;
        }
        followSharedState();
        const AcceptOutcome out = mSession.acceptEvent(currentFields(), chkInclude->isChecked());
        if (out.result == AcceptResult::InvalidDate) {
            txtDate->setFocus();
            mDialogs.message(this, QStringLiteral("The date is invalid"));
            return;
        }
        if (out.result == AcceptResult::InvalidEnd || out.result == AcceptResult::EndBeforeStart) {
            txtEnds->setFocus();
            mDialogs.message(this, out.result == AcceptResult::InvalidEnd
                                       ? QStringLiteral("Incorrect end date")
                                       : QStringLiteral("The end must not lie before the start"));
            return;
        }
        txtDate->setText(out.txtDate);
        if (out.result == AcceptResult::DateTaken) {
            mDialogs.message(this, dateTakenText());
            return;
        }
        btnAccept->setEnabled(false);
        if (mSession.CurrentDateIndex >= 1)
            mSession.markAccepted(mSession.CurrentDateIndex);
        if (!out.note.isEmpty())
            mDialogs.message(this, out.note);
        const QString saved = tr("The event of %1 was saved.")
                                  .arg(mSession.CaptureDate.Render(g.dateOrder, textHasTimeOfDay(out.txtDate)));
        if (chkInclude->isChecked() && !out.placed)
            mDialogs.message(this, tr("The event was saved, but it could not be placed on the timeline."));
        if (btnNext->isEnabled()) {
            ShowFoundDate(++mSession.CurrentDateIndex);
            UpdateDateNavigation();
        }
        status(saved);
    });
}

void frmText::AcceptAllEvents()
{
    if (mSession.count() == 0)
        return;
    if (!g.ProjectDb.isOpen()) {
        mDialogs.message(this, tr("Open a project to keep the events in first."));
        return;
    }
    followSharedState();
    QProgressDialog progress(tr("Saving the dates found in the text as events..."), tr("Cancel"), 0, mSession.count(),
                             this);
    progress.setObjectName(QStringLiteral("progress"));
    progress.setWindowTitle(windowTitle().remove(QStringLiteral("[*]")));
    // Nothing else may change the project while the run holds its transaction.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(mProgressDelay);
    progress.setValue(0);
    AcceptAllSummary summary;
    try {
        summary = mSession.acceptAll(currentFields(), btnAccept->isEnabled(), chkAdvance->isChecked(),
                                     chkInclude->isChecked(), [&progress](int done, int) {
                                         progress.setValue(done);
                                         return !progress.wasCanceled();
                                     });
    } catch (const StoreError &e) {
        progress.reset();
        mDialogs.message(this, tr("The events could not be saved, so none of this run was kept:\n%1").arg(e.text()));
        ShowFoundDate(mSession.CurrentDateIndex);
        UpdateDateNavigation();
        return;
    }
    progress.reset();
    const int at = mSession.CurrentDateIndex;
    ShowFoundDate(at);
    if (mSession.wasAccepted(at))
        btnAccept->setEnabled(false);
    UpdateDateNavigation();
    QString report =
        (summary.accepted == 1 ? tr("One event saved") : tr("%1 events saved").arg(summary.accepted)) +
        QStringLiteral(", ") +
        (summary.skipped == 1 ? tr("one date passed over") : tr("%1 dates passed over").arg(summary.skipped)) +
        (summary.inProject == 0   ? QString()
         : summary.inProject == 1 ? tr(", one already in the project")
                                  : tr(", %1 already in the project").arg(summary.inProject)) +
        u'.';
    if (summary.movedOn > 0)
        report +=
            u' ' +
            (summary.movedOn == 1
                 ? tr("One date whose time of day was taken was saved a minute or more later.")
                 : tr("%1 dates whose time of day was taken were saved a minute or more later.").arg(summary.movedOn));
    if (summary.cancelled)
        report += u' ' + tr("Stopped at date %1 of %2.").arg(at).arg(mSession.count());
    status(report);
}

QString frmText::selectedText() const
{
    QString text = rtb->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

void frmText::cmdCaptureShort_Click()
{
    txtShort->setPlainText(selectedText());
}

void frmText::cmdCaptureLong_Click()
{
    txtLong->setPlainText(selectedText());
}

void frmText::captureElement(CaptureList list, QLineEdit *field)
{
    // A list field is one line of names: lines of the selection become names of their own.
    const QString selection = selectedText().replace(u'\n', QStringLiteral(", "));
    if (selection.isEmpty())
        return;
    QString value = field->text();
    if (mSession.captureInto(list, value, selection))
        field->setText(value);
}

void frmText::cmdCaptureActors_Click()
{
    captureElement(CaptureList::Actors, txtActors);
}

void frmText::cmdCaptureWhere_Click()
{
    captureElement(CaptureList::Places, txtWhere);
}

void frmText::cmdCaptureSource_Click()
{
    captureElement(CaptureList::Sources, txtSource);
}

void frmText::cmdCaptureKeword_Click()
{
    captureElement(CaptureList::Keywords, txtKeyword);
}

void frmText::cmdCapture_Click()
{
    const QString names = txtCapture->text();
    if (names.isEmpty())
        return;
    if (!g.ProjectDb.isOpen()) {
        mDialogs.message(this, tr("Open a project to keep the names in first."));
        return;
    }
    guarded([this, names] {
        const QString type = cmbElementType->currentText();
        if (addCapturedElements(g.ProjectDb, names, ElementTypeLetter(type)) > 0)
            status(tr("Kept as %1: %2").arg(type.toLower(), names));
    });
}

void frmText::rtb_SelChange()
{
    txtCapture->setText(namesFromSelection(rtb->textCursor().selectedText()));
}

void frmText::chkAdvance_Click()
{
    if (!txtDate->text().isEmpty())
        btnAccept->setEnabled(true);
    g.AdvanceDate = chkAdvance->isChecked();
}

bool frmText::dateIsFree(const QString &text)
{
    if (!g.ProjectDb.isOpen())
        return true;
    ExtDate date;
    date.Assign(text, g.dateEnv());
    return !SameDateExists(g.ProjectDb, date, 0);
}

void frmText::txtDate_Change()
{
    guarded([this] {
        const QString text = txtDate->text();
        if (chkAdvance->isChecked() || !platformdate::parse(text, g.dateEnv().today(), g.dateOrder))
            return;
        btnAccept->setEnabled(dateIsFree(text));
    });
}

void frmText::txtDate_LostFocus()
{
    guarded([this] { btnAccept->setEnabled(chkAdvance->isChecked() || dateIsFree(txtDate->text())); });
}

} // namespace qm
