// Copies written behind a loop: the bytes of copies written at once, every
// write ended and told of on the loop's thread, also when the pool stops.
#include "tests/support/RunTime.h"

#include "toolkit/core/Ref.h"
#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/DecodePool.h"
#include "toolkit/pictures/Picture.h"
#include "toolkit/pictures/PictureWrites.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

using namespace tk;

namespace {

Ref<Picture> picture(int seed) {
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x + seed * 41) % 256, (y * seed) % 256, (x ^ y) % 256));
    return makeRef<Picture>(image);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PictureWritesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureRunTime();
        QDir(dir.path()).mkdir("at-once");
        QDir(dir.path()).mkdir("behind");
    }
    Ref<FolderItem> file(const QString& folder, int i) const {
        return makeRef<FolderItem>(
            QFile::encodeName(dir.filePath(QString("%1/copy-%2.jpg").arg(folder).arg(i))).toStdString());
    }
    QTemporaryDir dir;
};

TEST_F(PictureWritesTest, CopiesWrittenBehindAreTheCopiesWrittenAtOnceAndEachIsToldOfHere) {
    const int n = 3 * DecodePool::workerCount() + 2; // more than are under way at once
    std::vector<int> told(std::size_t(n), 0);
    bool toldElsewhere = false;
    const std::thread::id mainThread = std::this_thread::get_id();
    {
        PictureWrites writes;
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(file("at-once", i)->SaveAsJPEG(picture(i)));
            writes.SaveAsJPEG(file("behind", i), picture(i), [&, i](bool written) {
                told[std::size_t(i)] += written ? 1 : 100;
                toldElsewhere |= std::this_thread::get_id() != mainThread;
            });
        }
        EXPECT_TRUE(writes.Writing(*file("behind", n - 1)));
        const QString otherCase = dir.filePath(QString("behind/COPY-%1.JPG").arg(n - 1));
        EXPECT_TRUE(writes.Writing(FolderItem(QFile::encodeName(otherCase).toStdString())))
            << "a folder may ignore case";
        EXPECT_FALSE(writes.Writing(*file("at-once", n - 1)));
        writes.Wait();
        EXPECT_FALSE(writes.Writing(*file("behind", n - 1)));
    }
    EXPECT_EQ(told, std::vector<int>(std::size_t(n), 1));
    EXPECT_FALSE(toldElsewhere);
    for (int i = 0; i < n; ++i) {
        const QByteArray behind = bytesOf(QString::fromStdString(file("behind", i)->nativePath()));
        EXPECT_FALSE(behind.isEmpty()) << i;
        EXPECT_EQ(behind, bytesOf(QString::fromStdString(file("at-once", i)->nativePath()))) << i;
    }
}

// Whether a write under way may be to a name: what a later copy of that name waits for.
TEST_F(PictureWritesTest, AWriteUnderWayIsSeenThroughEverySpellingOfItsName) {
    const auto at = [&](const QString& name) {
        return FolderItem(QFile::encodeName(dir.filePath("behind/" + name)).toStdString());
    };
    ASSERT_EQ(::symlink("elsewhere.jpg", QFile::encodeName(dir.filePath("behind/link.jpg")).constData()), 0);
    PictureWrites writes;
    EXPECT_FALSE(writes.Writing(at("link.jpg"))) << "nothing under way";
    writes.SaveAsJPEG(makeRef<FolderItem>(at("Ärger Img.jpg")), picture(1), nullptr);
    const struct {
        const char* name;
        bool writing;
    } cases[] = {
        {"Ärger Img.jpg", true}, {"ärger img.JPG", true},  {"A\u0308rger Img.jpg", true},
        {"link.jpg", true},      {"Arger Img.jpg", false}, {"Ärger Img.jpeg", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(writes.Writing(at(QString::fromUtf8(c.name))), c.writing) << c.name;
}

TEST_F(PictureWritesTest, AWriteThatFailsIsToldOfAndWritesThePoolDropsAreStillMade) {
    std::vector<bool> written;
    {
        PictureWrites writes;
        writes.SaveAsJPEG(
            makeRef<FolderItem>(QFile::encodeName(dir.filePath("missing/copy.jpg")).toStdString()),
            picture(1), [&](bool ok) { written.push_back(ok); });
        for (int i = 0; i < 6; ++i)
            writes.SaveAsJPEG(file("behind", i), picture(i), [&](bool ok) { written.push_back(ok); });
        DecodePool::instance().stop(); // as at exit: what no worker has begun is dropped
    }                                  // and the writes are seen to their end here
    EXPECT_EQ(written, (std::vector<bool>{false, true, true, true, true, true, true}));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(bytesOf(QString::fromStdString(file("behind", i)->nativePath())).left(2),
                  QByteArray("\xFF\xD8"))
            << i;
}

} // namespace
