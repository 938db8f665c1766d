// E-mailing photos: which copies are written where, and the parameter lists
// the e-mail scripts get.
#include "tests/support/AppFixture.h"
#include "tests/support/PhotoFiles.h"
#include "tests/support/RecordingScript.h"

#include "workspace/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class EmailTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        temporary = tk::SpecialFolder::Temporary()->nativePath();
        for (const auto& entry : fs::directory_iterator(temporary))
            fs::remove_all(entry.path());
    }
    static void add(MainWindow& main, const std::string& path) {
        auto file = tk::makeRef<tk::FolderItem>(path);
        main.addAThumb(file->OpenAsPicture(), file);
    }
    std::string inTemporary(const std::string& name) const { return temporary + "/" + name; }
    static QSize sizeOf(const std::string& path) {
        return QImageReader(QFile::decodeName(path.c_str())).size();
    }

    QTemporaryDir dir;
    std::string temporary;
};

TEST_F(EmailTest, OnePhotoGoesOutAsThePreviewsFittedPictureAndThenToTheTrash) {
    RecordingScript script(resourcesFolder(), "YBPageThumbnail-51.jpeg");
    const std::string photo = photos::write(dir.path(), "a photo.jpg", 1172, 862);
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        add(*main, photo);
        main->ListBox1()->setListIndex(0);
        auto canvas = main->Canvas1();
        ASSERT_TRUE(waitFor([&] { return canvas->scaledPic && canvas->scaledPic->Width() == 586; }));
        main->sendOnePhoto();
        // Without a selection Label3 names no file: nothing is written, sent or trashed.
        main->ListBox1()->setListIndex(-1);
        ASSERT_EQ(main->Label3()->Text(), "");
        main->sendOnePhoto();
    });
    const auto runs = script.runs();
    ASSERT_EQ(runs.size(), 1u);
    const std::string copy = inTemporary("a photo.jpg");
    EXPECT_EQ(runs[0].arguments, (Texts{copy, "", "Photo"}));
    const QImage sent = QImage::fromData(QByteArray::fromStdString(runs[0].firstFileContent), "png");
    EXPECT_EQ(sent.size(), QSize(586, 431));
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_TRUE(fs::is_directory(temporary));
    bool trashed = false;
    for (const auto& entry : fs::directory_iterator(tk::SpecialFolder::Trash()->nativePath()))
        trashed = trashed || readFile(entry.path()) == runs[0].firstFileContent;
    EXPECT_TRUE(trashed) << "the copy is moved to the Trash once the script has returned";
}

TEST_F(EmailTest, SelectedPhotosGoOutFittedInRowOrderEachCopyWrittenNow) {
    RecordingScript script(resourcesFolder(), "YBPageThumbnail-54.jpeg");
    QDir(dir.path()).mkpath("a");
    QDir(dir.path()).mkpath("b");
    const QString a = QDir(dir.path()).filePath("a");
    std::vector<std::string> files;
    // Row 2's photo is larger than the preview; the others fit it.
    for (int i = 0; i < 6; ++i)
        files.push_back(
            photos::write(a, QString("p%1.jpg").arg(i), i == 2 ? 1172 : 100 + i, i == 2 ? 862 : 80));
    const std::string twin = photos::write(QDir(dir.path()).filePath("b"), "p2.jpg", 60, 40);
    runTessivoWith([&] {
        auto main = MainWindow::instance();
        for (const auto& file : files)
            add(*main, file);
        add(*main, twin);
        auto list = main->ListBox1();
        list->setListIndex(-1);
        main->sendMultiplePhotos();
        EXPECT_EQ(host->messages, Texts{"Select photo(s) to email in the Images list."});

        list->setListIndex(2);
        list->setSelected(5, true);
        main->sendMultiplePhotos();
        EXPECT_EQ(list->ListIndex(), 5) << "the selection ends on the last row";
        EXPECT_EQ(sizeOf(inTemporary("p2.jpg")), QSize(586, 431)) << "fitted into the preview";
        EXPECT_EQ(sizeOf(inTemporary("p5.jpg")), QSize(105, 80));

        fs::remove(files[5]);
        list->setListIndex(2);
        list->setSelected(5, true);
        main->sendMultiplePhotos();

        // Two photos of one file name go out as two files.
        list->setListIndex(2);
        list->setSelected(6, true);
        main->sendMultiplePhotos();
        EXPECT_EQ(sizeOf(inTemporary("p2.jpg")), QSize(586, 431));
        EXPECT_EQ(sizeOf(inTemporary("p2 2.jpg")), QSize(60, 40));

        // A file that holds no picture: Label3 still names the row before, whose
        // copy is neither written again nor listed.
        std::ofstream(files[3]) << "not a picture";
        list->setListIndex(3);
        main->sendMultiplePhotos();
        EXPECT_EQ(host->messages.size(), 1u);
    });
    const std::string cr = "\r";
    const auto runs = script.runs();
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].arguments, (Texts{inTemporary("p2.jpg") + cr + inTemporary("p5.jpg"), "", "Photos"}));
    EXPECT_EQ(runs[1].arguments, (Texts{inTemporary("p2.jpg"), "", "Photos"}));
    EXPECT_EQ(runs[2].arguments, (Texts{inTemporary("p2.jpg") + cr + inTemporary("p2 2.jpg"), "", "Photos"}));
    EXPECT_EQ(runs[3].arguments, (Texts{"", "", "Photos"}));
    EXPECT_FALSE(fs::exists(inTemporary("p3.jpg")));
    EXPECT_EQ(sizeOf(inTemporary("p2.jpg")), QSize(586, 431));
}

} // namespace
