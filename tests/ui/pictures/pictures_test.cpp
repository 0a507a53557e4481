// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/frmimportimages.h"
#include "pictures/frmselectimage.h"
#include "pictures/picturegrid.h"
#include "pictures/picturehandles.h"
#include "pictures/picturepreview.h"
#include "store/clformat.h"
#include "store/picturelibrary.h"
#include "store/projectfiles.h"
#include "store/sqlquery.h"
#include "testsupport.h"
#include "ui/scripteddialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Pictures : public ::testing::Test
{
    qmtest::TempProject t;
    qm::Globals &g = t.g;
    qmtest::ScriptedDialogs dialogs;

    Pictures()
    {
        g.ProjectFolder = qm::projectFolderOf(t.projectPath);
        EXPECT_TRUE(qm::makeProjectFolders(g.ProjectFolder));
    }
    QString picture(const QString &path, const QColor &color)
    {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(color);
        EXPECT_TRUE(image.save(path));
        return path;
    }
};

} // namespace

TEST_F(Pictures, PictureChooserShowsTheEventAndHandsBackTheChoice)
{
    picture(g.ProjectFolder + "Images/forum.png", Qt::red);
    qm::execSql(g.ProjectDb, "INSERT INTO Event (Id, Name, EventDate, EventEra, ImageSource, ImageName) "
                             "VALUES (5, 'Ides', 100, 0, 'C', 'lost.png')");
    qm::clFormat f;
    f.PictureWidth = 900;
    f.PictureHeight = 450;
    f.LineVisible = false;
    f.Save(g.ProjectDb, 5, 1);
    g.SelectedId = 5;
    g.CurTimeLineId = 1;

    auto *d = new qm::frmSelectImage(g, dialogs);
    // The event's picture is no longer in its library: nothing chosen, an empty preview.
    EXPECT_TRUE(d->optCustom->isChecked());
    EXPECT_TRUE(d->lstFiles->currentFileName().isEmpty());
    EXPECT_TRUE(d->imgPreview->image().isNull());
    EXPECT_EQ(d->imgPreview->pictureSize(), QSizeF(900, 450));
    EXPECT_FALSE(d->chkLine->isChecked());
    d->cmdSelect_Click();
    EXPECT_EQ(dialogs.messages, QStringList{"No picture was selected"});

    qm::PictureChoice chosen;
    d->onSelect = [&chosen](const qm::PictureChoice &c) { chosen = c; };
    ASSERT_TRUE(d->lstFiles->selectFile("forum.png"));
    EXPECT_FALSE(d->imgPreview->image().isNull());
    d->chkLine->setChecked(true);
    d->cmdSelect_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(chosen.eventId, 5);
    EXPECT_EQ(chosen.source, "C");
    EXPECT_EQ(chosen.name, "forum.png");
    // A picture chosen starts in its own proportions, as wide as the event's was when that is more than 1.5 cm.
    EXPECT_EQ(QSizeF(chosen.width, chosen.height), QSizeF(900, 600));
    EXPECT_TRUE(chosen.lineVisible);

    // No picture needs no file, keeps the size for a picture to come, and may be the timeline's default.
    d = new qm::frmSelectImage(g, dialogs);
    d->onSelect = [&chosen](const qm::PictureChoice &c) { chosen = c; };
    d->chkNoPicture->click();
    EXPECT_FALSE(d->lstFiles->isEnabled());
    d->chkDefault->setChecked(true);
    d->cmdSelect_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(chosen.source == "N" && chosen.name.isEmpty() && chosen.makeDefault);
    EXPECT_EQ(QSizeF(chosen.width, chosen.height), QSizeF(900, 450));
}

TEST(PictureHandles, ANewPictureStartsInItsProportionsAndTheCornerKeepsThemUnlessFree)
{
    EXPECT_EQ(qm::PictureHandles::startSize(QSize(30, 20), QSizeF(200, 200)), QSizeF(850, 567));
    EXPECT_EQ(qm::PictureHandles::startSize(QSize(), QSizeF(900, 100)), QSizeF(900, 100));

    qm::PictureHandles h(QRectF(150, 150, 400, 200), 120, 3000, 1000);
    const QPointF corner = h.cornerHandle().center();
    h.pressCorner(corner);
    EXPECT_TRUE(h.moveCorner(corner + QPointF(200, 0), false));
    EXPECT_EQ(h.preview().size(), QSizeF(600, 300));
    // The room below stops it: the handle's far edge at 1000.
    h.moveCorner(QPointF(5000, 5000), false);
    EXPECT_EQ(h.preview().size(), QSizeF(1580, 790));
    h.moveCorner(QPointF(0, 0), false);
    EXPECT_EQ(h.preview().size(), QSizeF(60, 30));
    h.moveCorner(corner + QPointF(100, 400), true);
    EXPECT_EQ(h.preview().size(), QSizeF(500, 600));
}

TEST_F(Pictures, ImportListsEachFileOnceMarksBadOnesAndCopies)
{
    const QString good = picture(t.path("senate.png"), Qt::green);
    const QString bad = t.path("notes.jpg");
    ASSERT_TRUE(qmtest::writeFile(bad, "not a picture"));
    qm::frmImportImages d(g, dialogs, "W");
    d.chooseFiles = [&](QWidget *, const QString &filter) {
        EXPECT_TRUE(filter.contains("*.png"));
        return QStringList{good, good, bad};
    };
    d.cmdAdd_Click();
    d.cmdAdd_Click();
    EXPECT_EQ(d.importList(), (QStringList{good, bad}));
    d.lstImport->setCurrentRow(1);
    EXPECT_FALSE(d.lblBad->isHidden());
    d.lstImport->setCurrentRow(0);
    EXPECT_TRUE(d.lblBad->isHidden());
    // A picture larger than memory allows is reduced as it is read; what is no picture is not copied.
    QImage wide(9000, 3000, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    ASSERT_TRUE(wide.save(t.path("panorama.png")));
    d.chooseFiles = [&](QWidget *, const QString &) { return QStringList{t.path("panorama.png")}; };
    d.cmdAdd_Click();
    d.cmdImport_Click();
    EXPECT_EQ(dialogs.messages,
              QStringList{"These pictures could not be copied into the project:\n" + QDir::toNativeSeparators(bad) +
                          ": it is not a picture in a format this program reads; it was not copied"});
    EXPECT_FALSE(QFileInfo::exists(g.ProjectFolder + "Walls/notes.jpg"));
    EXPECT_EQ(qm::loadPictureFile(g.ProjectFolder + "Walls/panorama.png").size(), QSize(6929, 2309));
    EXPECT_TRUE(QFileInfo::exists(g.ProjectFolder + "Walls/senate.png"));
    // The refused file stays on the list for the user to see; the dialog stays open.
    EXPECT_EQ(d.importList(), QStringList{bad});
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.lblBad->text(), "This is not an image file:\nIt is not a picture in a format this program reads.");
}

TEST_F(Pictures, AddPicturesImportsAndSelectsTheFirstInOneStep)
{
    qm::execSql(g.ProjectDb, "INSERT INTO Event (Id, Name, EventDate, EventEra) VALUES (5, 'Ides', 100, 0)");
    g.SelectedId = 5;
    g.CurTimeLineId = 1;
    const QString baths = picture(t.path("baths.png"), Qt::yellow);
    const QString aqueduct = picture(t.path("aqueduct.png"), Qt::blue);
    const QString bad = t.path("notes.jpg");
    ASSERT_TRUE(qmtest::writeFile(bad, "not a picture"));
    std::unique_ptr<qm::frmSelectImage> d = std::make_unique<qm::frmSelectImage>(g, dialogs);
    EXPECT_TRUE(d->optStandard->isChecked());
    d->chooseFiles = [&](QWidget *, const QString &) { return QStringList{baths, bad, aqueduct}; };
    QTest::mouseClick(d->cmdAddPictures, Qt::LeftButton);
    EXPECT_TRUE(QFileInfo::exists(g.ProjectFolder + "Images/aqueduct.png"));
    EXPECT_TRUE(d->optCustom->isChecked());
    EXPECT_EQ(d->lstFiles->currentFileName(), "baths.png");
    EXPECT_FALSE(d->imgPreview->image().isNull());
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.value(0).contains("notes.jpg"));
}
