// The rename-and-number window, and the toolbar and menu commands that reach it.
#include "tests/support/AppFixture.h"
#include "tests/support/PhotoFiles.h"

#include "workspace/MainWindow.h"
#include "workspace/batchNameWindow.h"

#include "toolkit/windows/WindowWidget.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

namespace {

class RenameTest : public AppTest {
  protected:
    static void add(MainWindow& main, const std::string& path) {
        auto file = tk::makeRef<tk::FolderItem>(path);
        main.addAThumb(file->OpenAsPicture(), file);
    }
    static std::vector<std::string> names(MainWindow& main) {
        std::vector<std::string> result;
        for (int i = 0; i < main.ListBox1()->ListCount(); ++i) {
            auto file = tk::RuntimeGetFolderItem(main.ListBox1()->Cell(i, 1));
            result.push_back(file ? file->Name() : "?");
        }
        return result;
    }
    static void pressNumber(MainWindow& main) { main.Toolbar11()->Number->action()->trigger(); }
    QTemporaryDir dir;
};

TEST_F(RenameTest, TheExampleFollowsTheFields) {
    runTessivoWith([&] {
        auto window = batchNameWindow::instance();
        EXPECT_EQ(window->StaticText3()->Text(), "Summer1.jpg");
        struct Step {
            const char* field; // "base", "start", "extension" or "box"
            const char* text;
            const char* example;
            bool okEnabled;
        };
        const Step steps[] = {
            {"base", "", "", false},           {"start", "7", "", false},
            {"base", "Trip", "Trip7.jpg", true}, {"start", "", "Trip.jpg", true},
            {"extension", ".png", "Trip.jpg", true}, {"start", "01", "Trip01.png", true},
            {"box", "1", "01Trip.png", true},  {"extension", ".tif", "01Trip.tif", true},
            {"base", "", "", false},           {"box", "0", "01.tif", false},
        };
        for (const Step& step : steps) {
            const std::string field = step.field;
            if (field == "base")
                window->EditField1()->setText(step.text);
            else if (field == "start")
                window->EditField2()->setText(step.text);
            else if (field == "extension")
                window->EditField3()->setText(step.text);
            else
                window->CheckBox1()->setValue(std::string(step.text) == "1");
            EXPECT_EQ(window->StaticText3()->Text(), step.example) << step.field << " " << step.text;
            EXPECT_EQ(window->PushButton1()->Enabled(), step.okEnabled) << step.field << " " << step.text;
        }
    });
}

TEST_F(RenameTest, OkNumbersEveryListedFileInPlace) {
    struct Case {
        const char* start;
        const char* extension;
        bool numberFirst;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"1", ".jpg", false, {"Summer1.jpg", "Summer2.jpg", "Summer3.jpg"}},
        {"1", ".jpg", true, {"1Summer.jpg", "2Summer.jpg", "3Summer.jpg"}},
        {"0", ".jpg", false, {"Summer0.jpg", "Summer1.jpg", "Summer2.jpg"}},
        {"01", ".jpg", false, {"Summer1.jpg", "Summer2.jpg", "Summer3.jpg"}},
        {"1", "", false, {"Summer1", "Summer2", "Summer3"}},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        std::vector<std::string> files{photos::write(folder.path(), "a.jpg", 40, 30),
                                       photos::write(folder.path(), ".b.png", 40, 30, "png"), // hidden
                                       photos::write(folder.path(), "c.jpg", 40, 30)};
        runTessivoWith([&] {
            auto main = MainWindow::instance();
            for (const auto& file : files)
                add(*main, file);
            main->ListBox1()->setListIndex(1);
            pressNumber(*main);
            auto window = tk::Window::openInstance<batchNameWindow>();
            ASSERT_TRUE(window);
            window->EditField2()->setText(c.start);
            window->EditField3()->setText(c.extension);
            window->CheckBox1()->setValue(c.numberFirst);
            window->PushButton1()->Push();
            EXPECT_EQ(names(*main), c.expected) << c.start << c.extension << c.numberFirst;
            for (const auto& name : c.expected)
                EXPECT_TRUE(QFile::exists(folder.filePath(QString::fromStdString(name)))) << name;
            EXPECT_EQ(main->Label3()->Text(), c.expected[1]);
            EXPECT_FALSE(tk::Window::openInstance<batchNameWindow>()) << "OK closes the window";
        });
    }
}

TEST_F(RenameTest, RefusedRenamesAndUnresolvablePathsKeepTheirRows) {
    QDir(dir.path()).mkdir("one");
    QDir(dir.path()).mkdir("two");
    // Two listed files whose new names are each other's: both refused.
    const std::string second = photos::write(dir.path(), "Summer2.jpg", 40, 30);
    const std::string first = photos::write(dir.path(), "Summer1.jpg", 40, 30);
    const std::string elsewhere = photos::write(dir.filePath("two"), "x.jpg", 40, 30);
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        add(*main, second);
        add(*main, first);
        add(*main, photos::write(dir.filePath("one"), "gone.jpg", 40, 30));
        main->ListBox1()->setCell(2, 1, "not::a path");
        add(*main, elsewhere);
        main->ListBox1()->setListIndex(-1);
        batchNameWindow::instance()->PushButton1()->Push();
        EXPECT_EQ(names(*main), (std::vector<std::string>{"Summer2.jpg", "Summer1.jpg", "?", "Summer4.jpg"}));
        EXPECT_TRUE(QFile::exists(dir.filePath("two/Summer4.jpg"))) << "renamed in its own folder";
        EXPECT_EQ(main->Label3()->Text(), "") << "no row selected";
    });
}

TEST_F(RenameTest, ANameWithAColonKeepsItInTheLabelAndInItsCopy) {
    struct Case {
        const char* photo;
        const char* base;
        const char* taken; // a file in the photo's folder that refuses the rename, or nullptr
        const char* shown;
    };
    const Case cases[] = {
        {"10:30.jpg", "Summer", "Summer1.jpg", "10:30.jpg"}, // refused: keeps its own name
        {"IMG_0001.jpg", "10:30 ", nullptr, "10:30 1.jpg"},  // renamed to a name with a colon
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir("copies");
        const std::string photo = photos::write(folder.path(), c.photo, 40, 30);
        if (c.taken)
            photos::writeBytes(folder.path(), c.taken, "someone else's file");
        host->folderAnswers = {QFile::encodeName(folder.filePath("copies")).toStdString()};
        runTessivoWith([&] {
            auto main = MainWindow::instance();
            add(*main, photo);
            main->ListBox1()->setListIndex(0);
            pressNumber(*main);
            auto window = tk::Window::openInstance<batchNameWindow>();
            ASSERT_TRUE(window);
            window->EditField1()->setText(c.base);
            window->PushButton1()->Push();
            EXPECT_EQ(main->Label3()->Text(), c.shown) << c.photo;
            main->Toolbar11()->Save->action()->trigger();
            EXPECT_TRUE(QFile::exists(folder.filePath(QString("copies/") + c.shown))) << c.photo;
            EXPECT_TRUE(host->messages.empty()) << c.photo;
        });
    }
}

TEST_F(RenameTest, ToolbarAndMenuCommands) {
    const std::string photo = photos::write(dir.path(), "a.jpg", 40, 30);
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        pressNumber(*main);
        EXPECT_EQ(host->messages, (std::vector<std::string>{"There are no images in the Images list."}));
        EXPECT_FALSE(tk::Window::openInstance<batchNameWindow>());
        add(*main, photo);
        pressNumber(*main);
        auto window = tk::Window::openInstance<batchNameWindow>();
        ASSERT_TRUE(window);
        EXPECT_EQ(window->Title(), "Rename and Number");
        pressNumber(*main);
        EXPECT_EQ(tk::Window::openInstance<batchNameWindow>(), window) << "the same window again";
        window->PushButton2()->Push();
        EXPECT_FALSE(tk::Window::openInstance<batchNameWindow>());

        main->Toolbar11()->ToolItem1->action()->trigger();
        main->ListBox1()->setListIndex(-1);
        main->Toolbar11()->Save->action()->trigger();
        EXPECT_EQ(host->messages.back(), "Select photo(s) to save in the Images list.");
        main->Toolbar11()->OpenFolder->action()->trigger();
        EXPECT_EQ(host->folderRequests.size(), 1u) << "Open asks for a folder";

        menuAction(*main, "&File", "Open Photo...")->trigger();
        EXPECT_EQ(host->fileRequests.size(), 1u);
        menuAction(*main, "&File", "Open Folder of Photos...")->trigger();
        EXPECT_EQ(host->folderRequests.size(), 2u);
        for (const char* name : {"FileSaveScaledPhotoAs", "EditCopy"}) {
            EXPECT_TRUE(main->menuHandlers().find(name)) << name;
            EXPECT_FALSE(main->MenuBar()->_Lookup(name)) << "no item bears " << name;
        }
        EXPECT_TRUE(main->FileQuit());
        EXPECT_TRUE(main->FileAboutTessivo());
        EXPECT_EQ(main->FileOpenPhoto()->Text(), "Open Photo...");
        EXPECT_EQ(host->messages.size(), 2u);
    });
}

} // namespace
