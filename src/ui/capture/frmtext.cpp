// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtext.h"

#include "common/userdialogs.h"
#include "frmfind.h"
#include "panemarks.h"
#include "store/datequeries.h"
#include "store/globals.h"
#include "store/storeerror.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

frmText::frmText(Globals &globals, WindowSession &windows, UserDialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), g(globals), mWindows(windows), mDialogs(dialogs), mSession(globals)
{
    setObjectName(QStringLiteral("frmText"));
    setWindowTitle(QStringLiteral("Capture events[*]"));
    buildToolBars();

    pSplit = new QSplitter(Qt::Horizontal, this);
    pSplit->setObjectName(QStringLiteral("pSplit"));
    // The bar follows the pointer as a ghost and the panes are laid out once, on release.
    pSplit->setOpaqueResize(false);
    pSplit->setChildrenCollapsible(false);
    pSplit->setHandleWidth(7);
    pSplit->addWidget(buildFields());
    pSplit->addWidget(buildPane());
    pSplit->setStretchFactor(0, 0);
    pSplit->setStretchFactor(1, 1);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(cbar);
    layout->addWidget(pSplit, 1);
    layout->addWidget(lblStatus);
    resize(1280, 780);
    // The fields take a good part of the width: descriptions read better on long lines.
    pSplit->setSizes({std::max(pSplit->widget(0)->sizeHint().width(), 520), 760});
    rtb->setFocus();

    // What a fresh window offers: nothing found yet, the shared choices as last made.
    for (QAction *a : {btnNext, btnPrev, btnAccept, btnAcceptAll})
        a->setEnabled(false);
    chkAdvance->setChecked(g.AdvanceDate);
    chkInclude->setChecked(g.CurTimeLineId >= 1);
    chkInclude->setEnabled(g.CurTimeLineId >= 1);
    cmbElementType->addItems(
        {QStringLiteral("Actor"), QStringLiteral("Place"), QStringLiteral("Source"), QStringLiteral("Keyword")});
    cmbElementType->setCurrentIndex(0);
    status(tr("Open or paste a text, then press Scan to find its dates."));
}

frmText::~frmText() = default;

void frmText::buildToolBars()
{
    cbar = new QWidget(this);
    cbar->setObjectName(QStringLiteral("cbar"));
    auto *row = new QHBoxLayout(cbar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    auto bar = [this, row](const char *name, const QString &title) {
        auto *b = new QToolBar(title, cbar);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(22, 22));
        row->addWidget(b);
        return b;
    };
    auto button = [](QToolBar *b, const QString &key, const QString &text, QStyle::StandardPixmap icon) {
        QAction *a = b->addAction(b->style()->standardIcon(icon), text);
        a->setObjectName(key);
        return a;
    };
    tbFile = bar("tbFile", tr("File"));
    btnOpen = button(tbFile, QStringLiteral("Open"), tr("Open"), QStyle::SP_DialogOpenButton);
    btnSave = button(tbFile, QStringLiteral("Save"), tr("Save"), QStyle::SP_DialogSaveButton);
    tbEdit = bar("tbEdit", tr("Edit"));
    btnPaste = button(tbEdit, QStringLiteral("Paste"), tr("Paste"), QStyle::SP_FileIcon);
    btnPaste->setIcon(QIcon::fromTheme(QStringLiteral("edit-paste"), btnPaste->icon()));
    btnFind = button(tbEdit, QStringLiteral("Find"), tr("Find"), QStyle::SP_FileDialogContentsView);
    btnFind->setIcon(QIcon::fromTheme(QStringLiteral("edit-find"), btnFind->icon()));
    tbEvent = bar("tbEvent", tr("Event"));
    btnScan = button(tbEvent, QStringLiteral("Scan"), tr("Scan"), QStyle::SP_BrowserReload);
    btnPrev = button(tbEvent, QStringLiteral("Prev"), tr("Prev"), QStyle::SP_ArrowBack);
    btnNext = button(tbEvent, QStringLiteral("Next"), tr("Next"), QStyle::SP_ArrowForward);
    btnAccept = button(tbEvent, QStringLiteral("Accept"), tr("Accept"), QStyle::SP_DialogApplyButton);
    btnAcceptAll = button(tbEvent, QStringLiteral("AcceptAll"), tr("Accept all"), QStyle::SP_DialogYesButton);
    // A report's "yesterday" or "March 3" depends on the day it was written, which its top may not say.
    lblWritten = new QLabel(tr("Written on"), cbar);
    txtWritten = new QLineEdit(cbar);
    txtWritten->setObjectName(QStringLiteral("txtWritten"));
    txtWritten->setPlaceholderText(tr("as the text says"));
    txtWritten->setClearButtonEnabled(true);
    txtWritten->setMaximumWidth(fontMetrics().horizontalAdvance(u'0') * 22);
    const QString writtenTip = tr("The day the text was written. Its dates without a year, and words such as "
                                  "\"yesterday\" or \"on Tuesday\", are read from that day. Left empty, the day "
                                  "the text gives at its top is used, if it gives one.");
    txtWritten->setToolTip(writtenTip);
    lblWritten->setToolTip(writtenTip);
    lblWritten->setBuddy(txtWritten);
    row->addWidget(lblWritten);
    row->addWidget(txtWritten);
    row->addStretch(1);

    connect(tbFile, &QToolBar::actionTriggered, this, &frmText::tbFile_ButtonClick);
    connect(tbEdit, &QToolBar::actionTriggered, this, &frmText::tbEdit_ButtonClick);
    connect(tbEvent, &QToolBar::actionTriggered, this, &frmText::tbEvent_ButtonClick);
}

QWidget *frmText::buildFields()
{
    auto *left = new QWidget(this);
    auto *box = new QGroupBox(tr("Event discovered"), left);
    auto line = [box](const char *name) {
        auto *f = new QLineEdit(box);
        f->setObjectName(QString::fromLatin1(name));
        return f;
    };
    auto text = [box](const char *name) {
        auto *f = new QPlainTextEdit(box);
        f->setObjectName(QString::fromLatin1(name));
        f->setTabChangesFocus(true);
        return f;
    };
    auto capture = [box](const char *name) {
        auto *b = new QPushButton(tr("Capture"), box);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tr("Take the text selected in the document"));
        b->setAutoDefault(false);
        return b;
    };
    // What the event shows: the date as the text said it; the event's date for ordering is "Date".
    txtDateLabel = line("txtDateLabel");
    txtDate = line("txtDate");
    txtEnds = line("txtEnds");
    txtShort = text("txtShort");
    txtShort->setFixedHeight(txtShort->fontMetrics().lineSpacing() * 3 + 12);
    txtLong = text("txtLong");
    txtActors = line("txtActors");
    txtWhere = line("txtWhere");
    txtSource = line("txtSource");
    txtKeyword = line("txtKeyword");
    cmdCaptureShort = capture("cmdCaptureShort");
    cmdCaptureLong = capture("cmdCaptureLong");
    cmdCaptureActors = capture("cmdCaptureActors");
    cmdCaptureWhere = capture("cmdCaptureWhere");
    cmdCaptureSource = capture("cmdCaptureSource");
    cmdCaptureKeword = capture("cmdCaptureKeword");

    auto *grid = new QGridLayout(box);
    const struct
    {
        QString caption;
        QWidget *field;
        QPushButton *capture;
    } rows[] = {
        {tr("Display as"), txtDateLabel, nullptr},
        {tr("Date"), txtDate, nullptr},
        {tr("Ends"), txtEnds, nullptr},
        {tr("Short description"), txtShort, cmdCaptureShort},
        {tr("Detailed description"), txtLong, cmdCaptureLong},
        {tr("Who"), txtActors, cmdCaptureActors},
        {tr("Where"), txtWhere, cmdCaptureWhere},
        {tr("Source"), txtSource, cmdCaptureSource},
        {tr("Keywords"), txtKeyword, cmdCaptureKeword},
    };
    int r = 0;
    for (const auto &row : rows) {
        auto *label = new QLabel(row.caption, box);
        label->setBuddy(row.field);
        const bool tall = qobject_cast<QPlainTextEdit *>(row.field) != nullptr;
        grid->addWidget(label, r, 0, tall ? Qt::AlignTop : Qt::Alignment());
        grid->addWidget(row.field, r, 1);
        if (row.capture)
            grid->addWidget(row.capture, r, 2, tall ? Qt::AlignTop : Qt::Alignment());
        if (row.field == txtLong)
            grid->setRowStretch(r, 1);
        ++r;
    }
    grid->setColumnStretch(1, 1);

    lblInProject = new QLabel(left);
    lblInProject->setObjectName(QStringLiteral("lblInProject"));
    lblInProject->setStyleSheet(QStringLiteral("color: red"));
    chkAdvance = new QCheckBox(sameDayCaption(), left);
    chkAdvance->setObjectName(QStringLiteral("chkAdvance"));
    chkInclude = new QCheckBox(tr("Include in timeline"), left);
    chkInclude->setObjectName(QStringLiteral("chkInclude"));

    auto *column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 4, 0);
    column->addWidget(box, 1);
    column->addWidget(lblInProject);
    column->addWidget(chkAdvance);
    column->addWidget(chkInclude);

    connect(cmdCaptureShort, &QPushButton::clicked, this, &frmText::cmdCaptureShort_Click);
    connect(cmdCaptureLong, &QPushButton::clicked, this, &frmText::cmdCaptureLong_Click);
    connect(cmdCaptureActors, &QPushButton::clicked, this, &frmText::cmdCaptureActors_Click);
    connect(cmdCaptureWhere, &QPushButton::clicked, this, &frmText::cmdCaptureWhere_Click);
    connect(cmdCaptureSource, &QPushButton::clicked, this, &frmText::cmdCaptureSource_Click);
    connect(cmdCaptureKeword, &QPushButton::clicked, this, &frmText::cmdCaptureKeword_Click);
    connect(chkAdvance, &QCheckBox::clicked, this, &frmText::chkAdvance_Click);
    connect(txtDate, &QLineEdit::textChanged, this, &frmText::txtDate_Change);
    txtDate->installEventFilter(this);
    return left;
}

QWidget *frmText::buildPane()
{
    auto *right = new QWidget(this);
    cmdCapture = new QPushButton(tr("Capture"), right);
    cmdCapture->setObjectName(QStringLiteral("cmdCapture"));
    cmdCapture->setToolTip(tr("Add these names to the project's elements"));
    txtCapture = new QLineEdit(right);
    txtCapture->setObjectName(QStringLiteral("txtCapture"));
    lblAs = new QLabel(tr("as"), right);
    lblAs->setObjectName(QStringLiteral("lblAs"));
    cmbElementType = new QComboBox(right);
    cmbElementType->setObjectName(QStringLiteral("cmbElementType"));
    rtb = new QTextEdit(right);
    rtb->setObjectName(QStringLiteral("rtb"));
    rtb->setTabChangesFocus(false);

    auto *names = new QHBoxLayout;
    names->addWidget(cmdCapture);
    names->addWidget(txtCapture, 1);
    names->addWidget(lblAs);
    names->addWidget(cmbElementType);
    auto *column = new QVBoxLayout(right);
    column->setContentsMargins(4, 0, 0, 0);
    column->addLayout(names);
    column->addWidget(rtb, 1);
    // The pane never shrinks to nothing, so the split bar cannot be lost at the window's edge.
    right->setMinimumWidth(160);

    mMarks = new PaneMarks(rtb);
    connect(cmdCapture, &QPushButton::clicked, this, &frmText::cmdCapture_Click);
    connect(rtb, &QTextEdit::selectionChanged, this, &frmText::rtb_SelChange);
    connect(rtb->document(), &QTextDocument::modificationChanged, this, &QWidget::setWindowModified);
    return right;
}

void frmText::guarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const StoreError &e) {
        mDialogs.message(this, e.text());
    }
}

void frmText::status(const QString &text)
{
    lblStatus->setText(text);
}

void frmText::followSharedState()
{
    if (chkAdvance->isChecked() != g.AdvanceDate)
        chkAdvance->setChecked(g.AdvanceDate);
    // A timeline shown again offers the box ticked, as when the window opens.
    const bool shown = g.CurTimeLineId >= 1;
    if (shown != chkInclude->isEnabled()) {
        chkInclude->setEnabled(shown);
        chkInclude->setChecked(shown);
    }
}

void frmText::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        followSharedState();
    QWidget::changeEvent(event);
}

bool frmText::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtDate && event->type() == QEvent::FocusOut)
        txtDate_LostFocus();
    return QWidget::eventFilter(watched, event);
}

void frmText::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the window as it closes a dialog, asking first about a text not saved. It comes here
    // only when no field took it, so a field's own use of Escape goes first.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmText::confirmDiscard()
{
    if (!rtb->document()->isModified())
        return true;
    return mDialogs.question(this, tr("The text in the capture window has changes that were not saved.\n"
                                      "Do you want to discard them?"));
}

void frmText::closeEvent(QCloseEvent *event)
{
    if (!confirmDiscard()) {
        event->ignore();
        return;
    }
    if (mFind)
        mFind->close();
    event->accept();
}

} // namespace qm
