// Loading folders and single photos, stopping a load, and documents handed over.
#include "tests/support/AppFixture.h"
#include "tests/support/Drops.h"
#include "tests/support/PhotoFiles.h"

#include "shell/App.h"
#include "workspace/MainWindow.h"

#include "toolkit/windows/WindowWidget.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

namespace {

class LoadingTest : public AppTest {
  protected:
    static std::vector<std::string> names(MainWindow& main) {
        std::vector<std::string> result;
        for (int i = 0; i < main.ListBox1()->ListCount(); ++i)
            result.push_back(tk::RuntimeGetFolderItem(main.ListBox1()->Cell(i, 1))->Name());
        return result;
    }
    // A folder of pictures named 1.jpg ... n.jpg.
    QString numberedFolder(const QString& name, int n) {
        QDir(dir.path()).mkdir(name);
        for (int i = 1; i <= n; ++i)
            photos::write(dir.filePath(name), QString("%1.jpg").arg(i), 80, 60);
        return dir.filePath(name);
    }
    static std::string native(const QString& path) { return QFile::encodeName(path).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(LoadingTest, AChosenFolderReplacesTheListWithItsPictures) {
    QDir(dir.path()).mkdir("Trip");
    const QString trip = dir.filePath("Trip");
    photos::write(trip, "10.jpg", 80, 60);
    photos::write(trip, "2.png", 80, 60, "png");
    photos::writeBytes(trip, "readme.txt", "not a picture");
    photos::write(trip, "3.tif", 80, 60, "tiff");
    photos::writeBytes(trip, "broken.jpg", "\xff\xd8\xff\xe0 truncated");
    QDir(trip).mkdir("nested");
    photos::write(trip + "/nested", "inner.jpg", 80, 60);
    host->folderAnswers = {native(trip)};
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        main->openFolder();
        EXPECT_EQ(main->Title(), "Trip");
        EXPECT_EQ(names(*main), (std::vector<std::string>{"2.png", "3.tif", "10.jpg"}));
        EXPECT_EQ(main->ListBox1()->ListIndex(), 0);
        EXPECT_EQ(main->ImgNumLabel()->Text(), "3 images");
        EXPECT_EQ(main->bottomLeftLabel()->Text(), "Resize window to scale photo.");
        EXPECT_FALSE(main->ProgressWheel1()->Visible());
        EXPECT_FALSE(main->loadingImages);
        EXPECT_EQ(host->folderRequests.at(0).actionButtonCaption, "Select");

        // A cancelled dialog changes nothing but the folder and the count label.
        main->ListBox1()->RemoveRow(0);
        main->openFolder();
        EXPECT_FALSE(main->photoF);
        EXPECT_EQ(main->Title(), "Trip");
        EXPECT_EQ(main->ImgNumLabel()->Text(), "2 images");
    });
}

TEST_F(LoadingTest, CommandPeriodStopsALoadAtOnce) {
    host->folderAnswers = {native(numberedFolder("Many", 20))};
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        auto* model = static_cast<QListView*>(main->ListBox1()->qwidget())->model();
        // The user presses Ctrl+period while the fourth photo is being added.
        QObject::connect(model, &QAbstractItemModel::rowsInserted, [&] {
            if (model->rowCount() == 4)
                QTest::keyClick(static_cast<QWidget*>(main->widget()), Qt::Key_Period, Qt::ControlModifier);
        });
        main->openFolder();
        EXPECT_EQ(names(*main), (std::vector<std::string>{"1.jpg", "2.jpg", "3.jpg", "4.jpg"}));
        EXPECT_EQ(main->ListBox1()->ListIndex(), -1) << "no first-row selection after a stop";
        EXPECT_EQ(main->ImgNumLabel()->Text(), "4 images");
        EXPECT_FALSE(main->ProgressWheel1()->Visible());
        EXPECT_EQ(main->bottomLeftLabel()->Text(), "Resize window to scale photo.");
        EXPECT_FALSE(main->loadingImages);
        main->ListBox1()->setListIndex(0);
        main->ListBox1()->setListIndex(-1);
        EXPECT_EQ(main->Label2()->Text(), "No image selected");
    });
}

TEST_F(LoadingTest, AFolderDroppedDuringALoadEndsWithItsOwnPhotosAlone) {
    const std::string first = native(numberedFolder("First", 30));
    const std::string second = native(numberedFolder("Second", 3));
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        QWidget* viewport = static_cast<QListView*>(main->ListBox1()->qwidget())->viewport();
        main->bottomLeftLabel()->setText("before");
        ASSERT_TRUE(dropFiles(viewport, {first}));
        ASSERT_TRUE(waitFor([&] { return main->ListBox1()->ListCount() >= 2; }));
        EXPECT_EQ(main->bottomLeftLabel()->Text(), "Ctrl + period to cancel...");
        EXPECT_TRUE(main->ProgressWheel1()->Visible());
        ASSERT_TRUE(dropFiles(viewport, {second}));
        ASSERT_TRUE(waitFor([&] { return !main->loadingImages; }, 10000));
        EXPECT_EQ(names(*main), (std::vector<std::string>{"1.jpg", "2.jpg", "3.jpg"}));
        EXPECT_EQ(main->Title(), "Second");
        EXPECT_FALSE(main->ProgressWheel1()->Visible());
        EXPECT_EQ(main->bottomLeftLabel()->Text(), "before");
        EXPECT_EQ(main->ListBox1()->ListIndex(), 0);
    });
}

TEST_F(LoadingTest, ACancelledFolderDialogDoesNotEndADroppedFolderLoad) {
    const std::string folder = native(numberedFolder("Dropped", 12));
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        QWidget* viewport = static_cast<QListView*>(main->ListBox1()->qwidget())->viewport();
        ASSERT_TRUE(dropFiles(viewport, {folder}));
        ASSERT_TRUE(waitFor([&] { return main->ListBox1()->ListCount() >= 1; }));
        main->openFolder(); // the dialog is cancelled
        ASSERT_TRUE(waitFor([&] { return !main->loadingImages; }, 10000));
        EXPECT_EQ(main->ListBox1()->ListCount(), 12);
        EXPECT_EQ(main->Title(), "Dropped");
    });
}

TEST_F(LoadingTest, OnePhotoIsAddedAfterTheOthersAndSelected) {
    const std::string one = photos::write(dir.path(), "one.jpg", 80, 60);
    const std::string two = photos::write(dir.path(), "two.jpg", 80, 60);
    const std::string text = photos::writeBytes(dir.path(), "photo.jpg", "only text");
    host->fileAnswers = {one, two, text};
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        main->PushButton2()->Push();
        EXPECT_EQ(main->ImgNumLabel()->Text(), "1 images");
        main->openPhoto();
        EXPECT_EQ(names(*main), (std::vector<std::string>{"one.jpg", "two.jpg"}));
        EXPECT_EQ(main->ListBox1()->ListIndex(), 1);
        main->openPhoto();
        EXPECT_EQ(main->ListBox1()->ListCount(), 2);
        EXPECT_EQ(main->ImgNumLabel()->Text(), "2 images");
    });
}

TEST_F(LoadingTest, DocumentsHandedOverAreAppendedAndRowZeroIsSelected) {
    const std::string listed = photos::write(dir.path(), "listed.jpg", 80, 60);
    const std::string handed = photos::write(dir.path(), "handed.jpg", 300, 201);
    const std::string text = photos::writeBytes(dir.path(), "notes.txt", "words");
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        auto file = tk::makeRef<tk::FolderItem>(listed);
        main->addAThumb(file->OpenAsPicture(), file);
        App::instance()->Event_OpenDocument(tk::makeRef<tk::FolderItem>(handed));
        EXPECT_EQ(names(*main), (std::vector<std::string>{"listed.jpg", "handed.jpg"}));
        EXPECT_EQ(main->ListBox1()->ListIndex(), 0);
        EXPECT_EQ(main->theFileName, "listed.jpg") << "row 0's photo is shown after the handed photo";
        // Row 0 was selected already: the preview still shows row 0's photo.
        App::instance()->Event_OpenDocument(tk::makeRef<tk::FolderItem>(handed));
        EXPECT_EQ(main->Canvas1()->pic->Width(), 80);
        EXPECT_EQ(main->Label3()->Text(), "listed.jpg");
        App::instance()->Event_OpenDocument(tk::makeRef<tk::FolderItem>(text));
        EXPECT_EQ(host->messages, (std::vector<std::string>{"No picture available"}));
        EXPECT_EQ(main->ListBox1()->ListCount(), 3);
    });
}

TEST_F(LoadingTest, DocumentsNamedAtLaunchArriveAfterTheSplash) {
    const std::string folder = native(numberedFolder("Launch", 2));
    RunOptions options;
    options.documents = {folder};
    runTessivoWith(
        [&] {
            ASSERT_TRUE(waitFor([] {
                auto main = MainWindow::openInstance<MainWindow>();
                return main && !main->loadingImages && main->ListBox1()->ListCount() == 2;
            }));
            EXPECT_EQ(MainWindow::instance()->Title(), "Launch");
        },
        options);
}

} // namespace
