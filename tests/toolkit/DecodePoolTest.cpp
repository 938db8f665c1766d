// Decoding ahead of loops over folders: a loop gets the pixels that decoding
// its pictures one at a time gives, whatever it stops, supersedes or replaces.
#include "tests/support/PhotoFiles.h"
#include "tests/support/RunTime.h"

#include "toolkit/core/LongLoop.h"
#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/DecodeAhead.h"
#include "toolkit/pictures/DecodePool.h"
#include "toolkit/pictures/Picture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <chrono>
#include <map>
#include <string>
#include <thread>

using namespace tk;

namespace {

// A photo-like picture of its own for each seed: gradients, detail and shapes,
// so that the pixels of another file or of another level cannot pass for it.
QImage texture(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 255 / width + seed * 53) % 256, (y * 255 / height + seed * 97) % 256,
                           ((x ^ y) * (seed + 3)) % 256);
    }
    QPainter painter(&image);
    painter.fillRect(width / 4, height / 4, width / (2 + seed % 3), height / 3,
                     QColor::fromHsv(seed * 37 % 360, 200, 220));
    return image;
}

// The pixels a 133 x 100 thumbnail of the picture is drawn from: the level decoded for it.
QImage thumbnailPixels(const Ref<Picture>& picture) {
    QRect source;
    return picture->pixelsFor(QRect(0, 0, picture->Width(), picture->Height()), QSize(133, 100), source);
}

// The pool has nothing queued or running within a few seconds.
bool poolGoesIdle() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!DecodePool::instance().idle()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class DecodePoolTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureRunTime(); }

    std::string native(const QString& path) const { return QFile::encodeName(path).toStdString(); }

    // Writes the picture as that file of the folder (made when missing).
    std::string write(const QString& folder, const QString& name, const QImage& image,
                      const char* format = "jpeg") {
        QDir(dir.path()).mkpath(folder);
        const QString path = dir.filePath(folder + "/" + name);
        image.save(path, format, 90);
        return native(path);
    }

    // A folder of JPEG files 1.jpg ... n.jpg of 1200 x 900, textured from seed on.
    Ref<FolderItem> numberedFolder(const QString& folder, int n, int seed) {
        for (int i = 1; i <= n; ++i)
            write(folder, QString("%1.jpg").arg(i), texture(1200, 900, seed + i));
        return makeRef<FolderItem>(native(dir.filePath(folder)));
    }

    // The thumbnail pixels of each picture file of the folder, by name, each
    // decoded on its own on this thread; the files then get a new modification
    // time, so that no later decode finds these in the level cache.
    static std::map<std::string, QImage> decodedOneAtATime(const Ref<FolderItem>& folder) {
        std::map<std::string, QImage> pixels;
        for (int i = 1; i <= folder->Count(); ++i) {
            const std::string path = folder->Item(i)->nativePath();
            if (Ref<Picture> picture = Picture::open(path))
                pixels[folder->Item(i)->Name()] = thumbnailPixels(picture);
            renew(path);
        }
        return pixels;
    }

    static void renew(const std::string& path) { ASSERT_TRUE(photos::renew(path)) << path; }

    // Opens the folder's items from..to as the application's loop does, each drawn into a thumbnail
    // before the next is opened, and checks each against the expected pixels.
    static void walk(const Ref<FolderItem>& folder, int from, int to,
                     const std::map<std::string, QImage>& expected, const std::string& what) {
        for (int i = from; i <= to; ++i) {
            const Ref<FolderItem> item = folder->Item(i);
            ASSERT_TRUE(item) << what << ", item " << i;
            const Ref<Picture> picture = item->OpenAsPicture();
            const auto it = expected.find(item->Name());
            ASSERT_EQ(bool(picture), it != expected.end()) << what << ", " << item->Name();
            if (picture) {
                EXPECT_EQ(thumbnailPixels(picture), it->second) << what << ", " << item->Name();
            }
        }
    }

    QTemporaryDir dir;
};

TEST_F(DecodePoolTest, AWalkGetsThePixelsOfDecodesOneAtATime) {
    // Mostly photos drawn at 1/8, among pictures drawn at other levels, in
    // formats that the decoder does not scale (two of a kind in a row, so that
    // the second is decoded ahead at its level), and files that are no pictures.
    for (int i = 1; i <= 30; ++i)
        write("Mixed", QString("%1.jpg").arg(i, 2, 10, QChar('0')), texture(1200, 900, i));
    write("Mixed", "05a.png", texture(120, 90, 40), "png");
    write("Mixed", "05b.png", texture(120, 90, 45), "png");
    write("Mixed", "12a.png", texture(1600, 1200, 41), "png");
    write("Mixed", "12b.jpg", texture(600, 450, 42));
    write("Mixed", "12c.jpg", texture(1200, 3000, 43));
    write("Mixed", "20a.tif", texture(800, 600, 44), "tiff");
    write("Mixed", "20b.tif", texture(800, 600, 46), "tiff");
    QFile notes(dir.filePath("Mixed/07a.jpg"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("no picture");
    notes.close();
    QDir(dir.filePath("Mixed")).mkdir("15a");
    const Ref<FolderItem> folder = makeRef<FolderItem>(native(dir.filePath("Mixed")));
    const auto expected = decodedOneAtATime(folder);
    ASSERT_EQ(expected.size(), 37u);

    walk(folder, 1, folder->Count(), expected, "the first walk");
    // Walked again, the listing's items are decoded anew.
    for (int i = 1; i <= folder->Count(); ++i)
        renew(folder->Item(i)->nativePath());
    walk(folder, 1, folder->Count(), expected, "the walk again");
    EXPECT_TRUE(poolGoesIdle());
}

TEST_F(DecodePoolTest, ASupersededOrStoppedWalkLeavesNothingRunningAndNothingStale) {
    // Folders alike in names and sizes, not in pixels.
    const Ref<FolderItem> first = numberedFolder("First", 30, 0);
    const Ref<FolderItem> second = numberedFolder("Second", 30, 100);
    const auto firstPixels = decodedOneAtATime(first);
    const auto secondPixels = decodedOneAtATime(second);

    walk(first, 1, 3, firstPixels, "the first folder");
    walk(second, 1, 30, secondPixels, "the second folder, from its start");
    walk(first, 1, 2, firstPixels, "the first folder again, from its start");
    EXPECT_TRUE(poolGoesIdle()) << "a stopped walk leaves nothing running";

    // The pool stopped, as at exit, starts again for the next walk.
    DecodePool::instance().stop();
    EXPECT_TRUE(DecodePool::instance().idle());
    walk(makeRef<FolderItem>(second->nativePath()), 1, 30, secondPixels, "the second folder read anew");
    EXPECT_TRUE(poolGoesIdle());
}

TEST_F(DecodePoolTest, AWalkInALoopLetsItsPixelsGoWhenTheLoopEnds) {
    const Ref<FolderItem> folder = numberedFolder("Stopped", 30, 0);
    const auto expected = decodedOneAtATime(folder);
    for (const bool decodesFinished : {true, false}) {
        const std::string what = decodesFinished ? "the loop ended after its decodes ahead" : "during them";
        {
            LongLoop loop;
            walk(folder, 1, 2, expected, what);
            if (decodesFinished) {
                ASSERT_TRUE(poolGoesIdle()) << what;
                EXPECT_GT(bytesDecodedAhead(), 0) << what << ": the items after the second are decoded ahead";
            }
        }
        EXPECT_TRUE(poolGoesIdle()) << what;
        EXPECT_EQ(bytesDecodedAhead(), 0) << what;
        for (int i = 1; i <= folder->Count(); ++i)
            renew(folder->Item(i)->nativePath());
    }
}

TEST_F(DecodePoolTest, AFileReplacedAfterItsDecodeAheadGivesItsNewPixels) {
    struct Case {
        const char* how;
        bool inPlace; // the same file written over, else another file renamed into its place
    };
    for (const Case c : {Case{"written over", true}, Case{"replaced by another file", false}}) {
        const QString name = QString("Replaced-%1").arg(c.inPlace);
        const Ref<FolderItem> folder = numberedFolder(name, 12, 0);
        const std::string third = folder->Item(3)->nativePath();
        const std::string replacement = write(name + "-new", "3.jpg", texture(1200, 900, 77));
        auto expected = decodedOneAtATime(folder);
        expected["3.jpg"] = thumbnailPixels(Picture::open(replacement));

        walk(folder, 1, 2, expected, c.how);
        ASSERT_TRUE(poolGoesIdle()) << "the items after the second are decoded ahead by now";
        if (c.inPlace) {
            QFile source(QString::fromStdString(replacement));
            QFile target(QString::fromStdString(third));
            ASSERT_TRUE(source.open(QIODevice::ReadOnly));
            ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
            target.write(source.readAll());
        } else {
            ASSERT_EQ(::rename(replacement.c_str(), third.c_str()), 0);
        }
        walk(folder, 3, 12, expected, c.how);
    }
}

} // namespace
