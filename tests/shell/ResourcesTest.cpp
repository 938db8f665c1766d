// The resource pictures, the bundled scripts and the user's guide command.
#include "tests/support/AppFixture.h"

#include "shell/App.h"
#include "shell/ResourcePictures.h"
#include "shell/ScriptRunners.h"
#include "tests/support/UrlRecorder.h"
#include "workspace/MainWindow.h"

#include <QAction>
#include <QDesktopServices>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

TEST_F(AppTest, EveryPictureLoadsOnceAndKeepsItsSize) {
    runTessivoWith([] {
        struct Case {
            tk::Ref<tk::Picture> (*accessor)();
            int width, height;
        };
        for (Case c : {Case{appIcon128, 128, 128}, Case{appIcon96, 96, 96}, Case{listHeaderImage, 162, 33},
                       Case{openFolderIcon, 0, 0}, Case{saveIcon, 0, 0}, Case{renameIcon, 0, 0},
                       Case{previewStartImage, 0, 0}}) {
            auto picture = c.accessor();
            ASSERT_TRUE(picture);
            EXPECT_EQ(c.accessor(), picture) << "the same object on every call";
            if (c.width) {
                EXPECT_EQ(picture->Width(), c.width);
                EXPECT_EQ(picture->Height(), c.height);
            }
        }
    });
}

TEST_F(AppTest, AMissingPictureIsTriedAgainUntilItLoads) {
    const fs::path file = fs::path(resourcesFolder()) / "save.png";
    const fs::path aside = fs::path(resourcesFolder()) / "save.png.aside";
    fs::rename(file, aside);
    runTessivoWith([&] {
        EXPECT_FALSE(saveIcon());
        EXPECT_FALSE(saveIcon());
        fs::rename(aside, file);
        auto loaded = saveIcon();
        ASSERT_TRUE(loaded);
        fs::remove(file);
        EXPECT_EQ(saveIcon(), loaded) << "a loaded picture serves until the application exits";
    });
}

TEST_F(AppTest, ScriptRunnersResolveTheirScriptOnEveryCallAndPassTheirParameters) {
    const fs::path record = fs::path(resourcesFolder()).parent_path() / "script-record.txt";
    fs::remove(record);
    setenv("TESSIVO_TEST_RECORD", record.c_str(), 1);
    auto recordingScript = [](const std::string& tag) {
        return "printf '" + tag + "' >> \"$TESSIVO_TEST_RECORD\"\nfor a in \"$@\"; do printf '[%s]' \"$a\" >> "
               "\"$TESSIVO_TEST_RECORD\"; done\necho >> \"$TESSIVO_TEST_RECORD\"\nprintf done-" + tag + "\n";
    };
    const fs::path one = fs::path(resourcesFolder()) / "YBPageThumbnail-51.jpeg";
    const fs::path several = fs::path(resourcesFolder()) / "YBPageThumbnail-54.jpeg";
    const fs::path fit = fs::path(resourcesFolder()) / "YBPageThumbnail-109.jpeg";
    runTessivoWith([&] {
        writeFile(one, recordingScript("one"));
        EXPECT_EQ(sendOnePhotoScript({"/tmp/a photo.jpg", "", "Photo"}), "done-one");
        writeFile(one, recordingScript("changed"));
        EXPECT_EQ(sendOnePhotoScript({"-x", "", "Photo"}), "done-changed");
        writeFile(several, recordingScript("several"));
        EXPECT_EQ(sendMultiplePhotosScript({"/a.jpg\r/b.jpg", "", "Photos"}), "done-several");
        writeFile(fit, recordingScript("fit"));
        fitToScreenScript({"/c.jpg"});
        fs::remove(several);
        EXPECT_EQ(sendMultiplePhotosScript({"x"}), "") << "a missing script runs nothing and returns nothing";
    });
    EXPECT_EQ(readFile(record), "one[/tmp/a photo.jpg][][Photo]\n"
                                "changed[-x][][Photo]\n"
                                "several[/a.jpg\r/b.jpg][][Photos]\n"
                                "fit[/c.jpg]\n");
}

TEST_F(AppTest, TheUsersGuideOpensItsWebAddress) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("http", &recorder, "record");
    runTessivoWith([] {
        QAction* guide = menuAction(*MainWindow::instance(), "Help", "User's Guide");
        ASSERT_TRUE(guide);
        guide->trigger();
    });
    QDesktopServices::unsetUrlHandler("http");
    ASSERT_EQ(recorder.urls.size(), 1u);
    EXPECT_EQ(recorder.urls[0].path(), "/docs/TessivoUsersGuide.pdf");
}

} // namespace
