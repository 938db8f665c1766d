// The photo list: thumbnails, the selection and its preview labels, select-all,
// removing rows, drops and the hidden rename field.
#include "tests/support/AppFixture.h"
#include "tests/support/Drops.h"
#include "tests/support/PhotoFiles.h"

#include "shell/App.h"
#include "workspace/CurrentPhotoFile.h"
#include "workspace/MainWindow.h"

#include "toolkit/windows/WindowWidget.h"

#include <QDir>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

class PhotoListTest : public AppTest {
  protected:
    // Adds a row for the file, as the loaders do.
    static void add(MainWindow& main, const std::string& path) {
        auto file = tk::makeRef<tk::FolderItem>(path);
        main.addAThumb(file->OpenAsPicture(), file);
    }
    static std::string name(MainWindow& main, int row) {
        return tk::RuntimeGetFolderItem(main.ListBox1()->Cell(row, 1))->Name();
    }
    QTemporaryDir dir;
};

TEST_F(PhotoListTest, ThumbnailsAreSizedAndPlacedAcrossTheList) {
    struct Case {
        int w, h;
        int thumbHeight, x, drawnWidth, drawnHeight;
    };
    // With the list 162 wide: 154 pixels wider thumbnails, the photo centred across the list.
    const Case cases[] = {
        {4000, 3000, 100, 14, 133, 100}, {3000, 4000, 100, 43, 75, 100}, {600, 100, 27, 0, 162, 27},
        {120, 90, 90, 21, 120, 90},      {162, 476, 476, 0, 162, 476},   {20000, 30, 1, 0, 162, 1},
    };
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        int row = 0;
        for (const Case& c : cases) {
            add(*main, photos::write(dir.path(), QString("p%1.png").arg(row), c.w, c.h, "png"));
            auto thumb = main->ListBox1()->RowPicture(row);
            ASSERT_TRUE(thumb);
            EXPECT_EQ(thumb->Width(), 316) << c.w << "x" << c.h;
            EXPECT_EQ(thumb->Height(), c.thumbHeight) << c.w << "x" << c.h;
            const QImage pixels = thumb->image();
            const int y = c.drawnHeight / 2;
            EXPECT_EQ(qRed(pixels.pixel(c.x + c.drawnWidth / 4, y)), 200) << "left half of " << c.w << "x" << c.h;
            EXPECT_EQ(qBlue(pixels.pixel(c.x + c.drawnWidth * 3 / 4, y)), 200) << "right half";
            if (c.x > 0) {
                EXPECT_EQ(pixels.pixel(c.x - 1, y), qRgb(232, 232, 232)) << "grey beside the photo";
            }
            EXPECT_EQ(qAlpha(pixels.pixel(315, 0)), 255) << "the whole thumbnail is opaque";
            ++row;
        }
    });
}

// Once the list scrolls, its rows are narrower than the list by the scroll
// bar: a thumbnail centred across the list still shows whole, in the middle.
TEST_F(PhotoListTest, ThumbnailsShowWholeBesideTheScrollBar) {
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        const std::string photo = photos::write(dir.path(), "p.png", 4000, 3000, "png");
        for (int row = 0; row < 8; ++row)
            add(*main, photo);
        auto* view = qobject_cast<QListView*>(main->ListBox1()->qwidget());
        ASSERT_TRUE(view);
        ASSERT_TRUE(waitFor([&] { return view->verticalScrollBar()->isVisible(); }));
        const QImage shot = view->viewport()->grab().toImage();
        const int y = view->visualRect(view->model()->index(0, 0)).center().y();
        int first = -1, last = -1;
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != qRgb(232, 232, 232)) {
                first = first < 0 ? x : first;
                last = x;
            }
        EXPECT_EQ(last - first + 1, 133) << "the whole photo";
        EXPECT_LE(std::abs(first - (shot.width() - 1 - last)), 1) << "in the middle of " << shot.width();
    });
}

TEST_F(PhotoListTest, TheSelectionShowsItsPhotoAndAnEmptySelectionSaysSo) {
    const std::string first = photos::write(dir.path(), "first.jpg", 400, 300);
    const std::string second = photos::write(dir.path(), "second.png", 1172, 402, "png");
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        add(*main, first);
        add(*main, second);
        auto list = main->ListBox1();
        list->setListIndex(1);
        EXPECT_EQ(main->StaticText41()->Text(), "Original: 1172 x 402");
        EXPECT_EQ(main->Label3()->Text(), "second.png");
        EXPECT_EQ(currentPhotoFile->nativePath(), second);
        EXPECT_TRUE(main->StaticText4()->Visible());
        EXPECT_FALSE(main->Label2()->Visible());
        EXPECT_EQ(main->currentIndex, 1);
        QTest::qWait(20);
        EXPECT_EQ(main->StaticText4()->Text(), "Scaled: 586 x 201");

        // A row whose file has gone keeps what was shown.
        QFile::remove(QString::fromStdString(first));
        list->setListIndex(0);
        EXPECT_EQ(main->Label3()->Text(), "second.png");
        EXPECT_EQ(main->StaticText41()->Text(), "Original: 1172 x 402");

        list->setListIndex(-1);
        EXPECT_TRUE(main->Label2()->Visible());
        EXPECT_EQ(main->Label2()->Text(), "No image selected");
        EXPECT_FALSE(main->Label3()->Visible());
        EXPECT_EQ(main->Label3()->Text(), "");
        EXPECT_EQ(main->StaticText4()->Text(), "Scaled: 0 x 0");
        EXPECT_FALSE(main->Canvas1()->pic);
        EXPECT_EQ(currentPhotoFile->nativePath(), second) << "kept when the selection is cleared";
        EXPECT_EQ(main->currentIndex, -1);
    });
}

TEST_F(PhotoListTest, SelectAllAndRemovingTheSelectedRows) {
    std::vector<std::string> files;
    for (int i = 0; i < 10; ++i)
        files.push_back(photos::write(dir.path(), QString("photo%1.jpg").arg(i), 64, 48));
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        for (const auto& file : files)
            add(*main, file);
        auto list = main->ListBox1();
        QWidget* view = list->qwidget();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        for (int i = 0; i < 10; ++i)
            EXPECT_TRUE(list->Selected(i)) << i;

        list->setListIndex(2);
        list->setSelected(5, true);
        list->setSelected(7, true);
        main->PushButton5()->Push();
        std::vector<std::string> left;
        for (int i = 0; i < list->ListCount(); ++i)
            left.push_back(name(*main, i));
        EXPECT_EQ(left, (std::vector<std::string>{"photo0.jpg", "photo1.jpg", "photo3.jpg", "photo4.jpg",
                                                  "photo6.jpg", "photo8.jpg", "photo9.jpg"}));
        main->PushButton5()->Push();
        EXPECT_EQ(list->ListCount(), 7) << "nothing selected: nothing removed";
        EXPECT_EQ(main->ImgNumLabel()->Text(), "7 images");
    });
}

TEST_F(PhotoListTest, DroppedFilesAreAddedAndAFolderDroppedFirstIsLoaded) {
    QDir(dir.path()).mkdir("sub");
    const std::string sub = QFile::encodeName(dir.filePath("sub")).toStdString();
    photos::write(dir.filePath("sub"), "inside.jpg", 64, 48);
    const std::string a = photos::write(dir.path(), "a.jpg", 64, 48);
    const std::string notes = photos::writeBytes(dir.path(), "notes.txt", "text");
    const std::string b = photos::write(dir.path(), "b.png", 64, 48, "png");
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        QWidget* viewport = static_cast<QListView*>(main->ListBox1()->qwidget())->viewport();
        ASSERT_TRUE(dropFiles(viewport, {a, notes, sub, b}));
        auto list = main->ListBox1();
        ASSERT_EQ(list->ListCount(), 2);
        EXPECT_EQ(name(*main, 0), "a.jpg");
        EXPECT_EQ(name(*main, 1), "b.png");
        EXPECT_EQ(list->ListIndex(), 1) << "the row added last is selected";
        EXPECT_FALSE(main->ProgressWheel1()->Visible());

        ASSERT_TRUE(dropFiles(viewport, {sub, a}));
        ASSERT_TRUE(waitFor([&] { return !main->loadingImages && list->ListCount() == 1; }));
        EXPECT_EQ(name(*main, 0), "inside.jpg");
        EXPECT_EQ(main->Title(), "sub");
        EXPECT_EQ(main->ImgNumLabel()->Text(), "1 images");
    });
}

TEST_F(PhotoListTest, TheCountLabelCountsTheListedPhotosOnceEachChangeHasEnded) {
    QDir(dir.path()).mkdir("dropped");
    QDir(dir.path()).mkdir("handed");
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"})
        photos::write(dir.filePath("dropped"), name, 64, 48);
    for (const char* name : {"x.jpg", "y.jpg"})
        photos::write(dir.filePath("handed"), name, 64, 48);
    const auto native = [&](const char* name) { return QFile::encodeName(dir.filePath(name)).toStdString(); };
    const std::string a = photos::write(dir.path(), "a.jpg", 64, 48);
    const std::string notes = photos::writeBytes(dir.path(), "notes.txt", "text");
    const std::string b = photos::write(dir.path(), "b.png", 64, 48, "png");
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        auto list = main->ListBox1();
        QWidget* viewport = static_cast<QListView*>(list->qwidget())->viewport();
        const auto loaded = [&] { return waitFor([&] { return !main->loadingImages; }); };
        struct Step {
            const char* what;
            std::function<void()> act;
            const char* count;
        };
        const Step steps[] = {
            {"a folder dropped", [&] { ASSERT_TRUE(dropFiles(viewport, {native("dropped")}) && loaded()); },
             "3 images"},
            {"files dropped",
             [&] {
                 ASSERT_TRUE(dropFiles(viewport, {a, notes, b}));
             },
             "5 images"},
            {"a photo handed over",
             [&] { App::instance()->Event_OpenDocument(tk::makeRef<tk::FolderItem>(a)); }, "6 images"},
            {"rows removed with -",
             [&] {
                 list->setListIndex(1);
                 list->setSelected(4, true);
                 main->PushButton5()->Push();
             },
             "4 images"},
            {"a folder handed over",
             [&] {
                 App::instance()->Event_OpenDocument(tk::makeRef<tk::FolderItem>(native("handed")));
                 ASSERT_TRUE(loaded());
             },
             "2 images"},
        };
        for (const Step& step : steps) {
            step.act();
            EXPECT_EQ(main->ImgNumLabel()->Text(), step.count) << step.what;
            EXPECT_EQ(list->ListCount(), std::atoi(step.count)) << step.what;
        }
    });
}

TEST_F(PhotoListTest, TheHiddenFieldRenamesTheCurrentPhoto) {
    const std::string photo = photos::write(dir.path(), "IMG_0001.jpg", 64, 48);
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        auto field = main->editfield1();
        field->setText("draft");
        EXPECT_EQ(field->Text(), "draft.JPG") << "without a current photo only the text is completed";

        add(*main, photo);
        main->ListBox1()->setListIndex(0);
        field->setText("holiday");
        EXPECT_EQ(field->Text(), "holiday.JPG");
        EXPECT_EQ(field->SelStart(), 7);
        EXPECT_TRUE(QFile::exists(dir.filePath("holiday.JPG")));
        EXPECT_FALSE(QFile::exists(dir.filePath("IMG_0001.jpg")));
        EXPECT_EQ(name(*main, 0), "holiday.JPG");

        field->setText("a.b");
        EXPECT_TRUE(QFile::exists(dir.filePath("a.b")));
        main->changingImage = true;
        field->setText("ignored");
        EXPECT_TRUE(QFile::exists(dir.filePath("a.b")));
    });
}

} // namespace
