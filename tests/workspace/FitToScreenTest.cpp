// The bevel button: the fit-to-screen command on a screen of a known size,
// ScaleBGPicture, and the contextual menu's save commands.
#include "tests/support/AppFixture.h"
#include "tests/support/PhotoFiles.h"
#include "tests/support/RecordingScript.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/TestEnvironment.h"

#include "workspace/MainWindow.h"

#include "toolkit/windows/Screen.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <optional>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

// Qt's offscreen platform reads its screens from a configuration file named
// in the platform's options: here one main screen of 1440 x 900.
std::string screenConfiguration() {
    const std::string path = testenv::sandboxPath() + "/screen-1440x900.json";
    std::ofstream(path) << R"({"screens": [{"name": "main", "x": 0, "y": 0, "width": 1440, "height": 900}]})";
    return path;
}

class FitToScreenTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        stretchedCopy = tk::SpecialFolder::Temporary()->nativePath() + "/Temp_Image.jpg";
        fs::remove(stretchedCopy);
    }
    static void addAndSelect(MainWindow& main, const std::string& path) {
        auto file = tk::makeRef<tk::FolderItem>(path);
        main.addAThumb(file->OpenAsPicture(), file);
        main.ListBox1()->setListIndex(main.ListBox1()->LastIndex());
    }

    ScopedVariable platform{"QT_QPA_PLATFORM", "offscreen:configfile=" + screenConfiguration()};
    QTemporaryDir dir;
    std::string stretchedCopy;
};

TEST_F(FitToScreenTest, ScaleBGPictureFitsAnyPictureToTheScreen) {
    struct Case {
        int w, h, expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {720, 300, 1440, 600},   // enlarged
        {3000, 1000, 1440, 480}, // shrunk
        {100, 100, 900, 900},
        {20000, 2, 1440, 1}, // never less than a pixel high
    };
    runTessivoWith([&] {
        ASSERT_EQ(tk::getScreen(0).Width(), 1440);
        ASSERT_EQ(tk::getScreen(0).Height(), 900);
        auto main = MainWindow::instance();
        for (const Case& c : cases) {
            auto scaled = main->ScaleBGPicture(tk::makeRef<tk::Picture>(c.w, c.h));
            ASSERT_TRUE(scaled) << c.w << "x" << c.h;
            EXPECT_EQ(scaled->Width(), c.expectedWidth) << c.w << "x" << c.h;
            EXPECT_EQ(scaled->Height(), c.expectedHeight) << c.w << "x" << c.h;
        }
        EXPECT_FALSE(main->ScaleBGPicture(nullptr));
    });
}

TEST_F(FitToScreenTest, APhotoSmallerThanTheScreenIsShownAfterTheWarning) {
    RecordingScript script(resourcesFolder(), "YBPageThumbnail-109.jpeg");
    enum class Shown { nothing, ownFile, stretchedCopy };
    struct Case {
        int w, h;
        bool warned;
        std::optional<tk::MessageDialogChoice> answer;
        Shown shown;
    };
    const Case cases[] = {
        {640, 480, true, tk::MessageDialogChoice::actionButton, Shown::ownFile},
        {2000, 600, true, tk::MessageDialogChoice::actionButton, Shown::stretchedCopy},
        {640, 480, true, tk::MessageDialogChoice::cancelButton, Shown::nothing},
        {2000, 600, true, tk::MessageDialogChoice::cancelButton, Shown::nothing},
        {1440, 900, false, std::nullopt, Shown::nothing},
        {3000, 2000, false, std::nullopt, Shown::nothing},
    };
    tk::MessageDialogRequest warning;
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        QWidget* bevel = main->BevelButton1()->qwidget();
        // No selected row: nothing to show, nothing said.
        QTest::mouseClick(bevel, Qt::LeftButton);
        EXPECT_TRUE(host->messageDialogRequests.empty());
        EXPECT_TRUE(host->messages.empty());
        EXPECT_TRUE(script.runs().empty());
        int n = 0;
        for (const Case& c : cases) {
            const std::string what = std::to_string(c.w) + "x" + std::to_string(c.h);
            const std::string photo = photos::write(dir.path(), QString("%1.jpg").arg(n++), c.w, c.h);
            addAndSelect(*main, photo);
            fs::remove(stretchedCopy);
            host->messageDialogRequests.clear();
            if (c.answer)
                host->messageDialogAnswers = {*c.answer};
            const std::size_t runsBefore = script.runs().size();
            QTest::mouseClick(bevel, Qt::LeftButton);

            ASSERT_EQ(host->messageDialogRequests.size(), c.warned ? 1u : 0u) << what;
            if (c.warned)
                warning = host->messageDialogRequests[0];
            const auto runs = script.runs();
            ASSERT_EQ(runs.size(), runsBefore + (c.shown == Shown::nothing ? 0 : 1)) << what;
            EXPECT_EQ(fs::exists(stretchedCopy), c.shown == Shown::stretchedCopy) << what;
            if (c.shown == Shown::ownFile) {
                EXPECT_EQ(runs.back().arguments, Texts{photo}) << what;
            }
            if (c.shown == Shown::stretchedCopy) {
                EXPECT_EQ(runs.back().arguments, Texts{stretchedCopy}) << what;
                const QImage copy =
                    QImage::fromData(QByteArray::fromStdString(runs.back().firstFileContent), "jpeg");
                EXPECT_EQ(copy.size(), QSize(1440, 900)) << "stretched to the screen's size, " << what;
            }
        }
    });
    EXPECT_EQ(warning.icon, 1);
    EXPECT_EQ(warning.message,
              "The image is smaller than the screen and will be enlarged to fit the screen. Loss of "
              "resolution may result.");
    EXPECT_EQ(warning.explanation, "If you do not wish to proceed click the Cancel button.");
    EXPECT_EQ(warning.actionCaption, "OK");
    EXPECT_TRUE(warning.cancelVisible);
    EXPECT_EQ(warning.cancelCaption, "Cancel");
}

TEST_F(FitToScreenTest, TheContextualMenuReachesTheTwoSaveCommands) {
    const std::string photo = photos::write(dir.path(), "a.jpg", 80, 60);
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        addAndSelect(*main, photo);
        QWidget* bevel = main->BevelButton1()->qwidget();
        for (int entry : {0, 1}) {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), bevel->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(bevel, &click);
            QMenu* menu = nullptr;
            for (QMenu* shown : bevel->findChildren<QMenu*>())
                if (shown->isVisible())
                    menu = shown;
            ASSERT_TRUE(menu);
            QStringList texts;
            for (QAction* action : menu->actions())
                texts << action->text();
            EXPECT_EQ(texts, (QStringList{"Save scaled copy of selected photo as...",
                                          "Save scaled copies of all photos..."}));
            menu->actions().at(entry)->trigger();
            menu->hide();
        }
    });
    // Both folder dialogs were cancelled: savePhoto asks without a prompt, saveAllPhotos with its own.
    ASSERT_EQ(host->folderRequests.size(), 2u);
    EXPECT_EQ(host->folderRequests[0].prompt, "");
    EXPECT_EQ(host->folderRequests[1].prompt, "Choose a location to save the photos.");
}

} // namespace
