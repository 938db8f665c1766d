// Size presets: the records "Save Size" appends to the sizes file, and the
// window size a chosen entry gives.
#include "tests/support/AppFixture.h"
#include "tests/support/PhotoFiles.h"
#include "tests/support/ScopedVariable.h"

#include "workspace/MainWindow.h"

#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string native(const QTemporaryDir& dir) { return QFile::encodeName(dir.path()).toStdString(); }

class SizePresetsTest : public AppTest {
  protected:
    // Lists the photo and selects it, so that the preview paints it fitted.
    static bool show(MainWindow& main, const std::string& path, int fittedWidth, int fittedHeight) {
        auto file = tk::makeRef<tk::FolderItem>(path);
        main.addAThumb(file->OpenAsPicture(), file);
        main.ListBox1()->setListIndex(main.ListBox1()->LastIndex());
        auto canvas = main.Canvas1();
        return waitFor([&] {
            return canvas->scaledPic && canvas->scaledPic->Width() == fittedWidth &&
                   canvas->scaledPic->Height() == fittedHeight;
        });
    }

    QTemporaryDir photos, config;
    ScopedVariable configHome{"XDG_CONFIG_HOME", native(config)};
};

TEST_F(SizePresetsTest, EachSaveSizeAppendsACarriageReturnAndTheFittedSize) {
    const std::string large = photos::write(photos.path(), "large.jpg", 1172, 862);
    const std::string small = photos::write(photos.path(), "small.png", 400, 300, "png");
    const std::string sizes = native(config) + "/Tessivo/TVOsizes";
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        ASSERT_TRUE(show(*main, large, 586, 431));
        main->PushButton3()->Push();
        EXPECT_TRUE(fs::is_directory(native(config) + "/Tessivo"));
        EXPECT_EQ(readFile(sizes), "\r586 x 431");
        ASSERT_TRUE(show(*main, small, 400, 300));
        main->PushButton3()->Push();
        EXPECT_EQ(readFile(sizes), "\r586 x 431\r400 x 300");
        EXPECT_EQ(main->PopupMenu1()->ListCount(), 1) << "nothing reads the sizes back";
        EXPECT_EQ(main->PopupMenu1()->Text(), "Select Size:");
        EXPECT_TRUE(host->messages.empty());
    });
}

TEST_F(SizePresetsTest, WhereNoSizesFileCanBeWrittenNothingIsWrittenOrSaid) {
    const std::string large = photos::write(photos.path(), "large.jpg", 1172, 862);
    std::ofstream(native(config) + "/Tessivo") << "a file, not a folder";
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        ASSERT_TRUE(show(*main, large, 586, 431));
        main->PushButton3()->Push();
        EXPECT_TRUE(host->messages.empty());
    });
    EXPECT_EQ(readFile(native(config) + "/Tessivo"), "a file, not a folder");
}

TEST_F(SizePresetsTest, AChosenEntrySetsTheWindowAroundThatPreviewSize) {
    struct Case {
        const char* entry;
        int width, height;
    };
    const Case cases[] = {
        {"586 x 431", 837, 556},
        {"1000 x 800", 1251, 925},
        {"400.9 x 300.7", 651, 425}, // fractions are cut off
    };
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        auto popup = main->PopupMenu1();
        for (const Case& c : cases) {
            popup->AddRow(c.entry);
            popup->setListIndex(popup->ListCount() - 1);
            EXPECT_EQ(main->Width(), c.width) << c.entry;
            EXPECT_EQ(main->Height(), c.height) << c.entry;
            // Going back to "Select Size:" leaves the window as it is.
            popup->setListIndex(0);
            EXPECT_EQ(main->Width(), c.width) << c.entry;
            EXPECT_EQ(main->Height(), c.height) << c.entry;
        }
    });
}

} // namespace
