// Loading folders and single photos, stopping a load, and documents handed over.
#include "tests/support/AppFixture.h"
#include "tests/support/Drops.h"
#include "tests/support/PhotoFiles.h"

#include "shell/App.h"
#include "workspace/MainWindow.h"

#include "toolkit/pictures/DecodePool.h"
#include "toolkit/windows/WindowWidget.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>
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
    // A folder of camera-like photos 1.jpg ... n.jpg, shown at 1/8 in the list, each in colours of its own.
    QString photoFolder(const QString& name, int n, int hue) {
        QDir(dir.path()).mkdir(name);
        for (int i = 1; i <= n; ++i)
            photos::write(dir.filePath(name), QString("%1.jpg").arg(i), 1200, 900, "jpeg",
                          QColor::fromHsv((hue + i * 11) % 360, 200, 200),
                          QColor::fromHsv((hue + i * 23) % 360, 90, 120));
        return dir.filePath(name);
    }
    static std::vector<QImage> thumbnails(MainWindow& main) {
        std::vector<QImage> result;
        for (int row = 0; row < main.ListBox1()->ListCount(); ++row)
            result.push_back(main.ListBox1()->RowPicture(row)->image());
        return result;
    }
    // The thumbnails of the listed photos made one at a time, as an opened photo's
    // is, each file decoded afresh (its new modification time makes it new to the
    // pictures decoded before).
    static std::vector<QImage> thumbnailsOneAtATime(MainWindow& main) {
        auto list = main.ListBox1();
        std::vector<QImage> result;
        for (int row = 0, rows = list->ListCount(); row < rows; ++row) {
            auto file = tk::RuntimeGetFolderItem(list->Cell(row, 1));
            EXPECT_TRUE(photos::renew(file->nativePath()));
            main.addAThumb(file->OpenAsPicture(), file);
            result.push_back(list->RowPicture(list->LastIndex())->image());
            list->RemoveRow(list->LastIndex());
        }
        return result;
    }
    QTemporaryDir dir;
};

TEST_F(LoadingTest, AChosenFolderReplacesTheListWithItsPictures) {
    QDir(dir.path()).mkdir("Trip");
    const QString trip = dir.filePath("Trip");
    photos::write(trip, "10.jpg", 80, 60);
    photos::write(trip, "2.png", 80, 60, "png");
    photos::writeBytes(trip, "readme.txt", "not a picture");
    photos::write(trip, "3.tif", 80, 60, "tiff");
    photos::write(trip, ".Aqua.jpg", 80, 60);
    photos::writeBytes(trip, "broken.jpg", "\xff\xd8\xff\xe0 truncated");
    QDir(trip).mkdir("nested");
    photos::write(trip + "/nested", "inner.jpg", 80, 60);
    host->folderAnswers = {native(trip)};
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        main->openFolder();
        EXPECT_EQ(main->Title(), "Trip");
        EXPECT_EQ(names(*main), (std::vector<std::string>{".Aqua.jpg", "2.png", "3.tif", "10.jpg"}));
        EXPECT_EQ(main->ListBox1()->ListIndex(), 0);
        EXPECT_EQ(main->ImgNumLabel()->Text(), "4 images");
        EXPECT_EQ(main->bottomLeftLabel()->Text(), "Resize window to scale photo.");
        EXPECT_FALSE(main->ProgressWheel1()->Visible());
        EXPECT_FALSE(main->loadingImages);
        EXPECT_EQ(host->folderRequests.at(0).actionButtonCaption, "Select");

        // A cancelled dialog changes nothing but the folder and the count label.
        main->ListBox1()->RemoveRow(0);
        main->openFolder();
        EXPECT_FALSE(main->photoF);
        EXPECT_EQ(main->Title(), "Trip");
        EXPECT_EQ(main->ImgNumLabel()->Text(), "3 images");
    });
}

TEST_F(LoadingTest, CtrlPeriodStopsALoadAtOnce) {
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
        EXPECT_EQ(main->Label2()->Text(), "No image selected") << "the preview claims no load once it has stopped";
        main->ListBox1()->setListIndex(0);
        main->ListBox1()->setListIndex(-1);
        EXPECT_EQ(main->Label2()->Text(), "No image selected");
    });
}

// Closing the window or quitting during a load ends it at the next photo, as
// Ctrl+period does, and the application with it.
TEST_F(LoadingTest, ClosingOrQuittingDuringALoadEndsItAtTheNextPhoto) {
    const std::string folder = native(numberedFolder("Many", 20));
    const std::pair<const char*, std::function<void(MainWindow&)>> leaves[] = {
        {"closing the window", [](MainWindow& main) { main.widget()->close(); }},
        {"Quit", [](MainWindow& main) { menuAction(main, "&File", "Quit")->trigger(); }},
    };
    for (const bool dropped : {false, true}) {
        for (const auto& [what, leave] : leaves) {
            host->folderAnswers = {folder};
            int listed = 0;
            const int status = runTessivoWith(
                [&, &leave = leave] {
                    auto main = MainWindow::instance();
                    auto* view = static_cast<QListView*>(main->ListBox1()->qwidget());
                    // The window itself is not held here: it would outlive the run, Thread1 with it.
                    QObject::connect(view->model(), &QAbstractItemModel::rowsInserted, [&, window = main.get()] {
                        if (++listed == 3)
                            leave(*window);
                    });
                    if (dropped)
                        ASSERT_TRUE(dropFiles(view->viewport(), {folder}));
                    else
                        main->openFolder();
                },
                {.documents = {}, .scriptQuits = true});
            EXPECT_EQ(status, 0) << what;
            EXPECT_LE(listed, 4) << what << (dropped ? ", a dropped folder" : ", a chosen folder");
        }
    }
}

TEST_F(LoadingTest, AFolderDroppedDuringALoadEndsWithItsOwnPhotosAlone) {
    const std::string first = native(numberedFolder("First", 30));
    const std::string second = native(numberedFolder("Second", 3));
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        QWidget* viewport = static_cast<QListView*>(main->ListBox1()->qwidget())->viewport();
        main->bottomLeftLabel()->setText("before");
        // The second folder is dropped in the first load's pause after its second photo.
        auto* model = static_cast<QListView*>(main->ListBox1()->qwidget())->model();
        bool secondDropped = false;
        QObject::connect(model, &QAbstractItemModel::rowsInserted, [&] {
            if (model->rowCount() != 2 || std::exchange(secondDropped, true))
                return;
            QTimer::singleShot(0, [&] {
                EXPECT_EQ(main->bottomLeftLabel()->Text(), "Ctrl + period to cancel...");
                EXPECT_TRUE(main->ProgressWheel1()->Visible());
                EXPECT_TRUE(dropFiles(viewport, {second}));
            });
        });
        ASSERT_TRUE(dropFiles(viewport, {first}));
        ASSERT_TRUE(waitFor([&] { return secondDropped && !main->loadingImages; }, 10000));
        EXPECT_EQ(names(*main), (std::vector<std::string>{"1.jpg", "2.jpg", "3.jpg"}));
        EXPECT_EQ(main->Title(), "Second");
        EXPECT_FALSE(main->ProgressWheel1()->Visible());
        EXPECT_EQ(main->bottomLeftLabel()->Text(), "before");
        EXPECT_EQ(main->ListBox1()->ListIndex(), 0);
    });
}

// Photos decoded ahead of the loop give the thumbnails that decoding each on its own gives.
TEST_F(LoadingTest, AStoppedOrSupersededLoadOfPhotosListsWhatOneAtATimeWould) {
    const std::string many = native(photoFolder("Many", 30, 0));
    const std::string few = native(photoFolder("Few", 6, 180));
    struct Case {
        const char* how;
        bool superseded; // by a folder dropped during Thread1's load, else stopped with Ctrl+period
        std::vector<std::string> listed;
    };
    for (const Case& c : {Case{"stopped", false, {"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"}},
                          Case{"superseded", true, {"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg", "6.jpg"}}}) {
        runTessivoWith([&] {
            auto main = MainWindow::instance();
            auto* view = static_cast<QListView*>(main->ListBox1()->qwidget());
            if (c.superseded) {
                ASSERT_TRUE(dropFiles(view->viewport(), {many}));
                ASSERT_TRUE(waitFor([&] { return main->ListBox1()->ListCount() >= 2; }));
                ASSERT_TRUE(dropFiles(view->viewport(), {few}));
                ASSERT_TRUE(waitFor([&] { return !main->loadingImages; }, 10000));
                EXPECT_EQ(main->Title(), "Few");
            } else {
                host->folderAnswers = {many};
                QObject::connect(view->model(), &QAbstractItemModel::rowsInserted, [&] {
                    if (view->model()->rowCount() == 5)
                        QTest::keyClick(static_cast<QWidget*>(main->widget()), Qt::Key_Period,
                                        Qt::ControlModifier);
                });
                main->openFolder();
            }
            EXPECT_EQ(names(*main), c.listed) << c.how;
            const std::vector<QImage> shown = thumbnails(*main);
            EXPECT_TRUE(shown == thumbnailsOneAtATime(*main)) << c.how;
        });
    }
}

TEST_F(LoadingTest, ClosingTheWindowDuringALoadOfPhotosEndsItAndItsDecodes) {
    const std::string many = native(photoFolder("Many", 40, 0));
    const int status = runTessivoWith(
        [&] {
            auto main = MainWindow::instance();
            auto* view = static_cast<QListView*>(main->ListBox1()->qwidget());
            ASSERT_TRUE(dropFiles(view->viewport(), {many}));
            ASSERT_TRUE(waitFor([&] { return main->ListBox1()->ListCount() >= 3; }));
            main->widget()->close();
        },
        {.documents = {}, .scriptQuits = true});
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(tk::DecodePool::instance().idle()) << "the decode pool ended with the application";
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
