// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "inplaceeditor.h"

#include "canvasview.h"
#include "common/guarded.h"
#include "common/userdialogs.h"
#include "edit/commandgroup.h"
#include "edit/makeroom.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/globals.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

namespace qm {

std::vector<int> availableFontSizes(const QString &family)
{
    std::vector<int> sizes;
    for (int requested = 1; requested <= 36; ++requested) {
        QFont font(family);
        font.setPointSize(requested);
        const int real = QFontInfo(font).pointSize();
        if (sizes.empty() || real > sizes.back())
            sizes.push_back(real);
    }
    return sizes;
}

LabelTextEdit::LabelTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
}

void LabelTextEdit::setAlignment(Qt::Alignment alignment)
{
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
}

// Family names without the foundry the font database adds when two makers ship one family
// ("C059 [UKWN]"): labels store the family alone, and the look-alike rules apply to it.
static QStringList fontFamilies()
{
    QStringList families;
    for (const QString &family : QFontDatabase::families()) {
        const qsizetype bracket = family.indexOf(QStringLiteral(" ["));
        families << (bracket > 0 && family.endsWith(u']') ? family.left(bracket) : family);
    }
    families.removeDuplicates();
    return families;
}

InPlaceEditor::InPlaceEditor(TimelineCanvas &canvas, CanvasView &view, QUndoStack &stack, UserDialogs &dialogs,
                             QWidget *window)
    : QObject(window), mCanvas(canvas), mView(view), mStack(stack), mDialogs(dialogs), mWindow(window)
{
    Text1 = new LabelTextEdit(view.Pic);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();
    Text1->installEventFilter(this);
    Text2 = new QLineEdit(view.Pic);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->hide();

    tbEdit = new QToolBar(tr("Edit"), window);
    tbEdit->setObjectName(QStringLiteral("tbEdit"));
    const struct
    {
        const char *key;
        QString text;
        bool checkable;
    } buttons[] = {
        {"Bold", tr("Bold"), true},
        {"Italic", tr("Italic"), true},
        {"Solid", tr("Solid"), true},
        {"Border", tr("Border"), true},
        {"ForeColor", tr("Text colour"), false},
        {"BackColor", tr("Back colour"), false},
    };
    for (const auto &b : buttons) {
        QAction *a = tbEdit->addAction(b.text);
        a->setObjectName(QString::fromLatin1(b.key));
        a->setCheckable(b.checkable);
    }
    connect(tbEdit, &QToolBar::actionTriggered, this, &InPlaceEditor::tbEdit_ButtonClick);

    // The lists act on the open edit box: they never take the keyboard focus away from it.
    cmbFonts = new QComboBox(tbEdit);
    cmbFonts->setObjectName(QStringLiteral("cmbFonts"));
    cmbFonts->setFocusPolicy(Qt::NoFocus);
    cmbFonts->addItems(fontFamilies());
    cmbFonts->setMinimumContentsLength(14);
    cmbFonts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(cmbFonts, &QComboBox::activated, this, &InPlaceEditor::cmbFonts_Click);
    tbEdit->addWidget(cmbFonts);
    cmbSizes = new QComboBox(tbEdit);
    cmbSizes->setObjectName(QStringLiteral("cmbSizes"));
    cmbSizes->setFocusPolicy(Qt::NoFocus);
    connect(cmbSizes, &QComboBox::activated, this, &InPlaceEditor::cmbSizes_Click);
    tbEdit->addWidget(cmbSizes);
    enableBand(false);
    clearBand();

    connect(view.hscrol, &QAbstractSlider::valueChanged, this, &InPlaceEditor::follow);
    connect(view.vscrol, &QAbstractSlider::valueChanged, this, &InPlaceEditor::follow);
}

bool InPlaceEditor::isOpen() const
{
    return !Text1->isHidden();
}

void InPlaceEditor::enableBand(bool enabled)
{
    for (QAction *a : tbEdit->actions())
        a->setEnabled(enabled);
    cmbFonts->setEnabled(enabled);
    cmbSizes->setEnabled(enabled);
}

void InPlaceEditor::clearBand()
{
    for (QAction *a : tbEdit->actions())
        a->setChecked(false);
    cmbFonts->setCurrentIndex(-1);
    cmbSizes->clear();
}

void InPlaceEditor::open(LabelKind kind, qint32 id)
{
    if (isOpen() && (kind != mKind || id != mId) && !commit())
        return;
    mKind = kind;
    mId = id;
    mLook = lookOf(mCanvas, kind, id);
    mCanvas.Dragging = false;
    Text1->setText(mLook.text);
    Text1->setAlignment(kind == LabelKind::Date ? Qt::AlignHCenter : Qt::AlignLeft);
    showLook();
    place();
    refillSizes();
    showState();
    Text1->show();
    Text1->raise();
    Text1->setFocus(Qt::OtherFocusReason);
    Text1->selectAll();
    // An event's name or date takes its new look into the event's format on this timeline.
    enableBand(true);
}

void InPlaceEditor::place()
{
    const CanvasModel &m = mCanvas.model();
    const double zoom = mCanvas.globals().Zoom;
    QRectF r;
    switch (mKind) {
    case LabelKind::Title:
    case LabelKind::Subtitle: {
        const QRectF &label = mKind == LabelKind::Title ? m.lblLabel.rect : m.lblSub.rect;
        r = QRectF(label.topLeft(), label.size() + QSizeF(2000 * zoom, 100 * zoom));
        break;
    }
    case LabelKind::Name:
    case LabelKind::Date: {
        const CanvasBox *b = m.box(mId);
        if (!b)
            return;
        if (mKind == LabelKind::Name) {
            r = QRectF(b->name.rect.topLeft(), b->name.rect.size() + QSizeF(100 * zoom, 100 * zoom));
        } else {
            const double w = b->date.rect.width() + 1000 * zoom;
            r = QRectF(b->connector.p1.x() - w / 2, b->date.rect.top(), w, b->date.rect.height() + 100 * zoom);
        }
        break;
    }
    }
    QRect box = mView.toSurface(r);
    // Never shorter than the text wrapped in the box: no line of it is hidden.
    const QRect wrapped = Text1->fontMetrics().boundingRect(QRect(0, 0, std::max(box.width() - 6, 1), 100000),
                                                            Qt::TextWordWrap, Text1->text());
    box.setHeight(std::max(box.height(), wrapped.height() + 6));
    Text1->setGeometry(box);
}

void InPlaceEditor::follow()
{
    if (isOpen())
        place();
}

void InPlaceEditor::showLook()
{
    QFont font = makeLabelFont(mLook.font, mLook.font.size * mCanvas.globals().Zoom);
    Text1->setFont(font);
    QPalette p = Text1->palette();
    p.setColor(QPalette::Text, colorFromLong(mLook.foreColor));
    p.setColor(QPalette::Base, colorFromLong(mLook.solid ? mLook.backColor : TransparentBack));
    Text1->setPalette(p);
    Text1->setFrame(mLook.border);
    place();
}

void InPlaceEditor::showState()
{
    const auto check = [this](const char *key, bool on) {
        if (QAction *a = tbEdit->findChild<QAction *>(QString::fromLatin1(key)))
            a->setChecked(on);
    };
    check("Bold", mLook.font.bold);
    check("Italic", mLook.font.italic);
    check("Solid", mLook.solid);
    check("Border", mLook.border);
    // A font the system lacks is drawn with a look-alike; the list still names it as the label does.
    if (cmbFonts->findText(mLook.font.name) < 0 && !mLook.font.name.isEmpty())
        cmbFonts->insertItem(0, mLook.font.name);
    cmbFonts->setCurrentIndex(cmbFonts->findText(mLook.font.name));
    cmbSizes->setCurrentIndex(cmbSizes->findText(QString::number(mLook.font.size)));
}

void InPlaceEditor::refillSizes()
{
    cmbSizes->clear();
    for (const int size : availableFontSizes(mLook.font.name))
        cmbSizes->addItem(QString::number(size));
    cmbSizes->setCurrentIndex(cmbSizes->findText(QString::number(mLook.font.size)));
}

void InPlaceEditor::tbEdit_ButtonClick(QAction *button)
{
    if (!isOpen())
        return;
    const QString key = button->objectName();
    if (key == u"Bold") {
        mLook.font.bold = !mLook.font.bold;
    } else if (key == u"Italic") {
        mLook.font.italic = !mLook.font.italic;
    } else if (key == u"Solid") {
        mLook.solid = !mLook.solid;
    } else if (key == u"Border") {
        mLook.border = !mLook.border;
    } else if (key == u"ForeColor" || key == u"BackColor") {
        const bool back = key == u"BackColor";
        // The colour dialog takes the focus; the edit box stays open meanwhile.
        mAsking = true;
        const QColor chosen = mDialogs.color(mWindow, colorFromLong(back ? mLook.backColor : mLook.foreColor));
        mAsking = false;
        if (chosen.isValid()) {
            (back ? mLook.backColor : mLook.foreColor) = longFromColor(chosen);
            // A chosen background is meant to be seen.
            if (back)
                mLook.solid = true;
        }
    }
    showLook();
    showState();
    Text1->setFocus(Qt::OtherFocusReason);
}

void InPlaceEditor::cmbFonts_Click(int row)
{
    if (!isOpen() || row < 0)
        return;
    mLook.font.name = cmbFonts->itemText(row);
    refillSizes();
    showLook();
    showState();
    Text1->setFocus(Qt::OtherFocusReason);
}

void InPlaceEditor::cmbSizes_Click(int row)
{
    if (!isOpen() || row < 0)
        return;
    mLook.font.size = cmbSizes->itemText(row).toDouble();
    showLook();
    showState();
    Text1->setFocus(Qt::OtherFocusReason);
}

bool InPlaceEditor::commit()
{
    if (!isOpen())
        return true;
    mLook.text = Text1->text();
    Text1->hide();
    enableBand(false);
    clearBand();
    // Hidden first: a failure message must not find the box still open and commit it again.
    return runGuarded(mDialogs, mWindow, [this] {
        if (auto command = makeLabelEdit(mCanvas, mKind, mId, mLook)) {
            // A name grown longer, or a label's font grown larger, pushes the later boxes on, in the same step.
            const QString text = command->text();
            runGroup(mStack, text, [&](CommandGroup &group) {
                group.add(std::move(command));
                if (mKind == LabelKind::Name || mKind == LabelKind::Date)
                    makeRoomFor(group, mCanvas, mId);
            });
        }
    });
}

bool InPlaceEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // There is no cancel: Escape, like Enter, keeps what was typed.
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            commit();
            mView.Pic->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    if (watched == Text1 && event->type() == QEvent::FocusOut && !mAsking) {
        // Decided once the focus has landed: the edit band's lists and popups keep the box open.
        QTimer::singleShot(0, this, [this] {
            QWidget *focus = QApplication::focusWidget();
            if (!isOpen() || mAsking || focus == Text1 || QApplication::activePopupWidget() ||
                (focus && tbEdit->isAncestorOf(focus)))
                return;
            commit();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qm
