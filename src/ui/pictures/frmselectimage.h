// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

class QBoxLayout;
class QCheckBox;
class QPushButton;
class QRadioButton;

namespace qm {

class Globals;
class PictureGrid;
class PicturePreview;
class UserDialogs;

// What the picture chooser hands the main window: the event's new picture, its size on the shown
// timeline and whether its connector shows.
struct PictureChoice
{
    qint32 eventId = 0;
    QString source;
    QString name;
    int width = 0;
    int height = 0;
    bool lineVisible = true;
    QImage image;
    // The choice (a picture or none) is also what new events of the shown timeline get.
    bool makeDefault = false;
};

// Chooses the picture of the selected box's event from the standard or the project's library, with
// its size on the timeline. Modeless: while it is open, selecting another box loads that event.
class frmSelectImage : public QDialog
{
    Q_OBJECT
public:
    frmSelectImage(Globals &globals, UserDialogs &dialogs, QWidget *parent = nullptr);
    ~frmSelectImage() override;

    // Stores and shows the choice; the main window makes it one undoable step.
    std::function<void(const PictureChoice &)> onSelect;

    QRadioButton *optStandard = nullptr;
    QRadioButton *optCustom = nullptr;
    PictureGrid *lstFiles = nullptr;
    PicturePreview *imgPreview = nullptr;
    QCheckBox *chkLine = nullptr;
    // "No picture": the box shows its name and date only.
    QCheckBox *chkNoPicture = nullptr;
    QCheckBox *chkDefault = nullptr;
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdImport = nullptr;
    QPushButton *cmdAddPictures = nullptr;
    // Asks for picture files to import; the platform's file dialog, several files at once.
    std::function<QStringList(QWidget *parent, const QString &filter)> chooseFiles;

    // The library shown: "S" standard, "C" the project's own.
    QString source() const { return mSource; }
    qint32 eventId() const { return mEventId; }

public slots:
    // Fills the chooser for the selected box's event on the shown timeline.
    void LoadEvent();
    void optSource_Click(const QString &source);
    void lstFiles_Click(const QString &name);
    void cmdSelect_Click();
    void chkNoPicture_Click();
    void cmdCancel_Click();
    void cmdImport_Click();
    // Imports the files chosen straight into the project's own library and selects the first.
    void cmdAddPictures_Click();

private:
    void addPicturesButton(QBoxLayout *row);

    Globals &g;
    UserDialogs &mDialogs;
    QString mSource = QStringLiteral("S");
    qint32 mEventId = 0;
    // The event's own picture is being shown, not chosen.
    bool mLoading = false;
};

} // namespace qm
