// Pictures opened from files: size from the header, orientation, decoding by
// content, bad files, scaled drawing, masks and writing JPEG files.
#include "tests/support/PhotoFiles.h"
#include "tests/support/RunTime.h"

#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/Graphics.h"
#include "toolkit/pictures/Picture.h"
#include "toolkit/pictures/PictureSource.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <string>

using namespace tk;

namespace {

class PictureTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureRunTime(); }

    std::string path(const char* name) const { return QFile::encodeName(dir.filePath(name)).toStdString(); }

    // A picture with a red left half and a blue right half.
    static QImage halves(int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::blue);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width / 2; ++x)
                image.setPixel(x, y, qRgb(255, 0, 0));
        return image;
    }

    std::string writeImage(const char* name, const QImage& image, const char* format) const {
        image.save(dir.filePath(name), format, 95);
        return path(name);
    }

    std::string writeBytes(const char* name, const QByteArray& bytes) const {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path(name);
    }

    QTemporaryDir dir;
};

TEST_F(PictureTest, TheSizeComesFromTheHeaderWithTheOrientationApplied) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    halves(400, 300).save(&buffer, "jpeg");
    struct Case {
        quint16 orientation;
        int width, height;
        QPoint red; // where the red half of the stored picture is shown
    };
    for (Case c : {Case{1, 400, 300, {100, 150}}, Case{2, 400, 300, {300, 150}}, Case{6, 300, 400, {150, 100}},
                   Case{8, 300, 400, {150, 300}}, Case{3, 400, 300, {300, 150}}}) {
        const std::string file = writeBytes("oriented.jpg", photos::withOrientation(jpeg, c.orientation));
        auto picture = Picture::open(file);
        ASSERT_TRUE(picture) << c.orientation;
        EXPECT_EQ(picture->Width(), c.width) << c.orientation;
        EXPECT_EQ(picture->Height(), c.height) << c.orientation;
        const QImage shown = picture->image();
        EXPECT_EQ(shown.size(), QSize(c.width, c.height)) << c.orientation;
        EXPECT_GT(qRed(shown.pixel(c.red)), 200) << c.orientation;
        EXPECT_LT(qBlue(shown.pixel(c.red)), 50) << c.orientation;
    }
}

TEST_F(PictureTest, FilesAreJudgedByTheirContent) {
    struct Case {
        const char* name;
        std::string file;
        bool isPicture;
    };
    QImage noise(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb((x * 37 + y * 91) % 256, (x * y) % 256, (x ^ y) * 3 % 256));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    noise.save(&buffer, "png");
    const Case cases[] = {
        {"JPEG named .png", writeImage("photo.png", halves(64, 48), "jpeg"), true},
        {"TIFF", writeImage("photo.tif", halves(64, 48), "tiff"), true},
        {"WebP", writeImage("photo.webp", halves(64, 48), "webp"), true},
        {"GIF of 40 x 30",
         writeBytes("red.gif", QByteArray::fromBase64("R0lGODlhKAAeAPAAAP8AAAAAACH5BAAAAAAALAAAAAAoAB4AAAIhhI+py+0Po5y02ouz"
                                                      "3rz7D4biSJbmiabqyrbuC8fyTHMFADs=")),
         true},
        {"text named .jpg", writeBytes("notes.jpg", "just some text\n"), false},
        {"empty file", writeBytes("empty.jpg", ""), false},
        {"PNG cut in half", writeBytes("cut.png", png.left(png.size() / 2)), true},
        {"PNG cut inside its header", writeBytes("stub.png", png.left(30)), false},
        {"missing file", path("nothing-here.jpg"), false},
        {"folder", QFile::encodeName(dir.path()).toStdString(), false},
    };
    for (const Case& c : cases) {
        auto picture = FolderItem(c.file).OpenAsPicture();
        EXPECT_EQ(bool(picture), c.isPicture) << c.name;
        if (picture) {
            // Drawing a picture whose pixels turn out to be broken draws what it can, and never crashes.
            auto target = newPicture(32, 24);
            target->Graphics()->DrawPicture(picture, 0, 0, 32, 24, 0, 0, picture->Width(), picture->Height());
        }
    }
}

TEST_F(PictureTest, AnImpossiblyLargePictureIsNoPicture) {
    // A PNG whose header claims 60000 x 60000 pixels.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "png");
    png[16] = png[20] = 0;
    png[17] = png[21] = 0;
    png[18] = png[22] = char(0xEA);
    png[19] = png[23] = char(0x60);
    EXPECT_FALSE(Picture::open(writeBytes("huge.png", png)));

    // A progressive JPEG whose frame header claims 27248 x 25856 pixels: its
    // decoder would hold every coefficient, gigabytes, even to show it at 1/8.
    QByteArray jpeg;
    QBuffer jpegBuffer(&jpeg);
    jpegBuffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&jpegBuffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(QImage(16, 16, QImage::Format_RGB32));
    const int frame = jpeg.indexOf("\xff\xc2");
    ASSERT_GT(frame, 0);
    const unsigned char claimed[] = {0x6a, 0x70, 0x65, 0x00}; // height 27248, width 25856
    for (int i = 0; i < 4; ++i)
        jpeg[frame + 5 + i] = char(claimed[i]);
    EXPECT_FALSE(Picture::open(writeBytes("claims.jpg", jpeg)));

    // A 61-byte BMP file whose header claims 2621444 x 37 pixels.
    const QByteArray bmp = QByteArray::fromBase64(
        "Qk1aAAAAAgAAAMr/+gAoAAAABAAoACUAAAABABgAAAAAAEYAAABhDwAAYQ8AZ0FNKAAAKMhJKShORDzIKA==");
    EXPECT_FALSE(Picture::open(writeBytes("claims.bmp", bmp)));
    // The same, padded to 24000 bytes: no side may be that long.
    EXPECT_FALSE(Picture::open(writeBytes("padded.bmp", bmp + QByteArray(24000 - bmp.size(), '\0'))));

    // A 53-byte GIF whose first frame claims 0 x 0 pixels on a canvas of
    // 2556 x 53502: decoding it to learn its size would fill half a gigabyte.
    const QByteArray gif = QByteArray::fromBase64("R0lGODlh/An+0JAIAEBgAAA8yCwAAAAAAAAAAAAAAAAAAPkAAAAAKQACAAIAAAIDRBgUADs=");
    EXPECT_FALSE(Picture::open(writeBytes("empty-frame.gif", gif)));
    // The same canvas under a first frame of 73 x 4608, which a file of 48 bytes could hold.
    const QByteArray canvas = QByteArray::fromBase64("R0lGODlh/An+0JAIAEBgAAA8yCwAAAAASQAAEgEDAAEAAAAAAAACAAACA0QYFAA7");
    EXPECT_FALSE(Picture::open(writeBytes("canvas.gif", canvas)));
}

TEST_F(PictureTest, ScaledDrawingKeepsTheContentInPlace) {
    auto photo = Picture::open(writeImage("big.jpg", halves(4000, 3000), "jpeg"));
    ASSERT_TRUE(photo);
    auto target = newPicture(133, 100);
    target->Graphics()->DrawPicture(photo, 0, 0, 133, 100, 0, 0, 4000, 3000);
    const QImage drawn = target->image();
    EXPECT_GT(qRed(drawn.pixel(10, 50)), 200);
    EXPECT_LT(qBlue(drawn.pixel(10, 50)), 60);
    EXPECT_GT(qBlue(drawn.pixel(120, 50)), 200);
    // The same file opened again draws the same.
    auto again = Picture::open(path("big.jpg"));
    auto second = newPicture(133, 100);
    second->Graphics()->DrawPicture(again, 0, 0, 133, 100, 0, 0, 4000, 3000);
    EXPECT_EQ(second->image(), drawn);
}

TEST_F(PictureTest, APictureDrawnFromOthersIsDrawnAgainAtADenserScreensPixels) {
    auto photo = Picture::open(writeImage("big.jpg", halves(4000, 3000), "jpeg"));
    ASSERT_TRUE(photo);
    auto made = [&] {
        auto target = newPicture(200, 100);
        auto g = target->Graphics();
        g->setForeColor(RGB(232, 232, 232));
        g->FillRect(0, 0, 200, 100);
        g->DrawPicture(photo, 0, 0, 133, 100, 0, 0, 4000, 3000);
        return target;
    };
    auto target = made();
    const QImage sharp = target->imageAt(2.0);
    EXPECT_EQ(sharp.size(), QSize(400, 200));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_GT(qRed(sharp.pixel(20, 100)), 200);
    EXPECT_GT(qBlue(sharp.pixel(250, 100)), 200);
    EXPECT_EQ(sharp.pixel(300, 100), qRgb(232, 232, 232));
    EXPECT_EQ(target->imageAt(1.0), target->image());
    EXPECT_EQ(target->Width(), 200) << "its size stays";

    // Drawn into otherwise, or drawn from a picture changed since: its own pixels, as they are.
    auto drawnInto = made();
    drawnInto->mutableImage().setPixel(0, 0, qRgb(0, 255, 0));
    auto sourceChanged = made();
    photo->mutableImage().fill(Qt::green);
    for (const Ref<Picture>& picture : {drawnInto, sourceChanged}) {
        const QImage shown = picture->imageAt(2.0);
        EXPECT_EQ(shown.devicePixelRatio(), 1.0);
        EXPECT_EQ(shown, picture->image());
    }
    EXPECT_GT(qRed(sourceChanged->image().pixel(10, 50)), 200);
}

TEST(PictureLevels, TheSmallestLevelThatCoversTheDestination) {
    struct Case {
        QSize full, source, destination;
        int level;
    };
    for (Case c : {Case{{4000, 3000}, {4000, 3000}, {133, 100}, 8}, Case{{4000, 3000}, {4000, 3000}, {586, 431}, 4},
                   Case{{4000, 3000}, {4000, 3000}, {1200, 900}, 2}, Case{{4000, 3000}, {4000, 3000}, {2100, 1575}, 1},
                   Case{{4000, 3000}, {4000, 3000}, {500, 375}, 8}, Case{{4000, 3000}, {1000, 750}, {500, 375}, 2},
                   Case{{30, 20}, {30, 20}, {30, 20}, 1}})
        EXPECT_EQ(levelFor(c.full, c.source, c.destination), c.level)
            << c.destination.width() << "x" << c.destination.height();
}

TEST_F(PictureTest, ABlackMaskMakesThePictureOpaque) {
    auto picture = newPicture(10, 10);
    auto fill = picture->Graphics();
    fill->setForeColor(RGB(232, 232, 232));
    fill->FillRect(0, 0, 10, 10);
    EXPECT_EQ(qAlpha(picture->image().pixel(5, 5)), 255);
    auto mask = picture->Mask(true);
    EXPECT_EQ(picture->Mask(true), mask);
    EXPECT_EQ(qAlpha(picture->image().pixel(5, 5)), 0) << "a new mask is white: transparent";
    auto g = mask->Graphics();
    g->setForeColor(RGB(0, 0, 0));
    g->FillRect(0, 0, 10, 10);
    EXPECT_EQ(qAlpha(picture->image().pixel(5, 5)), 255);
    EXPECT_EQ(qGray(picture->image().pixel(5, 5)), 232);
}

TEST_F(PictureTest, SavingWritesJpegAtomicallyOrReportsFailure) {
    auto picture = Picture::open(writeImage("source.png", halves(200, 100), "png"));
    const std::string target = writeBytes("copy.jpg", "old content");
    EXPECT_TRUE(FolderItem(target).SaveAsJPEG(picture));
    auto reread = Picture::open(target);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Width(), 200);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).filter(".copy").isEmpty())
        << "no temporary file is left";
    EXPECT_FALSE(FolderItem(path("no-such-folder/copy.jpg")).SaveAsJPEG(picture));
    EXPECT_TRUE(picture->Save(makeRef<FolderItem>(path("drag.png")), 151, -1));
    EXPECT_EQ(QImageReader(dir.filePath("drag.png")).format(), "jpeg") << "format 151 writes JPEG whatever the name";
}

} // namespace
