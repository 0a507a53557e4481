// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/clformat.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace qm {

class UserDialogs;

// The look of one event's box on a timeline (Format > Event format…): its name and date labels and
// its connector, to be given to the box, to every box of the timeline, and to the timeline's new events.
class frmEventFormat : public QDialog
{
    Q_OBJECT
public:
    frmEventFormat(const clFormat &format, UserDialogs &dialogs, QWidget *parent = nullptr);

    // One label's controls: name (Text...) or date (Date...).
    struct LabelControls
    {
        QComboBox *cmbFont = nullptr;
        QSpinBox *spnSize = nullptr;
        QCheckBox *chkBold = nullptr;
        QCheckBox *chkItalic = nullptr;
        QCheckBox *chkSolid = nullptr;
        QCheckBox *chkBorder = nullptr;
        QPushButton *cmdFore = nullptr;
        QPushButton *cmdBack = nullptr;
    };
    LabelControls name;
    LabelControls date;
    QCheckBox *chkLineVisible = nullptr;
    // The picture's border (width 0: none) and the connector's colour and style.
    QSpinBox *spnPictureBorder = nullptr;
    QPushButton *cmdPictureBorderColor = nullptr;
    QPushButton *cmdLineColor = nullptr;
    QComboBox *cmbLineStyle = nullptr;
    QCheckBox *chkApplyAll = nullptr;
    QCheckBox *chkMakeDefault = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    // The format shown, with what the user changed.
    clFormat format() const;
    bool applyToAll() const;
    bool makeDefault() const;

private:
    QWidget *labelGroup(const QString &title, const QString &prefix, LabelControls &c, const QString &font, int size,
                        bool bold, bool italic, bool solid, bool border, qint32 fore, qint32 back);
    QWidget *pictureGroup(const clFormat &f);
    void chooseColor(QPushButton *button, bool back, QCheckBox *solid);
    static void showColor(QPushButton *button, qint32 color);

    clFormat mFormat;
    UserDialogs &mDialogs;
};

} // namespace qm
