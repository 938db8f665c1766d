// Screens with more device pixels than window pixels: every size the window
// measures (labels, copies, the dragged file) stays as on a plain screen,
// while the preview and the thumbnails are drawn at the device's own pixels.
#include "tests/support/AppFixture.h"
#include "tests/support/ScopedVariable.h"

#include "workspace/MainWindow.h"

#include "toolkit/controls/ListboxView.h"
#include "toolkit/files/FolderItem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtMath>

#include <random>

namespace {

class ScreenScaleTest : public AppTest {
  protected:
    QTemporaryDir dir;
};

// A photo of noise: no two neighbouring pixels alike, so an enlarged picture,
// whose neighbours repeat, stands out.
std::string writeNoise(const QString& folder, const QString& name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(width * 7919 + height);
    std::uniform_int_distribution<int> value(0, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(value(random), value(random), value(random)));
    const QString path = QDir(folder).filePath(name);
    EXPECT_TRUE(image.save(path, "png"));
    return QFile::encodeName(path).toStdString();
}

// The share of horizontal neighbours inside the rectangle that are the same pixel.
double repeatedNeighbours(const QImage& image, const QRect& area) {
    qint64 same = 0, pairs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x < area.right(); ++x, ++pairs)
            same += image.pixel(x, y) == image.pixel(x + 1, y);
    return pairs ? double(same) / double(pairs) : 1.0;
}

QByteArray fileHash(const std::string& path) {
    QFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

TEST_F(ScreenScaleTest, SizesStayInWindowPixelsWhilePicturesUseTheDevicesPixels) {
    const struct Photo {
        std::string path;
        int fittedWidth, fittedHeight;
    } photos[] = {{writeNoise(dir.path(), "wide.png", 1172, 402), 586, 201},
                  {writeNoise(dir.path(), "camera.png", 1600, 1200), 574, 431}};
    const QString copies = dir.filePath("copies");
    QDir().mkpath(copies);
    std::map<std::string, QByteArray> copyAtScale1, dragAtScale1;

    for (const double scale : {1.0, 1.5, 2.0}) {
        const ScopedVariable scaleFactor("QT_SCALE_FACTOR", QByteArray::number(scale).toStdString());
        for (const Photo& photo : photos) {
            SCOPED_TRACE(photo.path + " at scale " + std::to_string(scale));
            runTessivoWith([&] {
                auto main = MainWindow::instance();
                auto canvas = main->Canvas1();
                ASSERT_EQ(canvas->qwidget()->devicePixelRatio(), scale);
                const tk::Ref<tk::FolderItem> file = tk::makeRef<tk::FolderItem>(photo.path);
                canvas->pic = file->OpenAsPicture();
                canvas->Refresh(true);
                ASSERT_TRUE(waitFor(
                    [&] { return canvas->scaledPic && canvas->scaledPic->Width() == photo.fittedWidth; }));
                EXPECT_EQ(canvas->scaledPic->Height(), photo.fittedHeight);
                EXPECT_EQ(main->StaticText4()->Text(), "Scaled: " + std::to_string(photo.fittedWidth) +
                                                           " x " + std::to_string(photo.fittedHeight));

                // The preview's device pixels: the photo drawn at the size it covers there, not enlarged.
                const QImage shown = canvas->qwidget()->grab().toImage();
                EXPECT_EQ(shown.size(), canvas->qwidget()->size() * scale);
                const int x = (canvas->Width() - photo.fittedWidth) / 2,
                          y = (canvas->Height() - photo.fittedHeight) / 2;
                const QRect preview(QPoint(qCeil(x * scale), qCeil(y * scale)),
                                    QPoint(qFloor((x + photo.fittedWidth) * scale) - 1,
                                           qFloor((y + photo.fittedHeight) * scale) - 1));
                EXPECT_LT(repeatedNeighbours(shown, preview.adjusted(2, 2, -2, -2)), 0.05);
                if (scale == 2.0 && photo.fittedWidth * 2 == 1172) {
                    // At twice 586 x 201 the device pixels are the photo's own.
                    const QImage original(QFile::decodeName(photo.path.c_str()));
                    EXPECT_TRUE(shown.copy(preview).convertToFormat(QImage::Format_RGB32) ==
                                original.convertToFormat(QImage::Format_RGB32))
                        << "the preview differs from the photo's own pixels";
                }

                // The copy and the dragged file: the window's size, the same bytes at every scale.
                const std::string copyPath = QFile::encodeName(copies + "/copy.jpg").toStdString();
                const tk::Ref<tk::FolderItem> copy = tk::makeRef<tk::FolderItem>(copyPath);
                copy->SaveAsJPEG(main->scaleForSaving(file->OpenAsPicture()));
                EXPECT_EQ(QImageReader(QFile::decodeName(copyPath.c_str())).size(),
                          QSize(photo.fittedWidth, photo.fittedHeight));
                main->Canvas1_MouseDown(*canvas, 10, 10);
                const std::string dragged =
                    tk::SpecialFolder::Temporary()->Child(main->Label3()->Text())->nativePath();
                EXPECT_EQ(QImageReader(QFile::decodeName(dragged.c_str())).size(),
                          QSize(photo.fittedWidth, photo.fittedHeight));
                if (scale == 1.0) {
                    copyAtScale1[photo.path] = fileHash(copyPath);
                    dragAtScale1[photo.path] = fileHash(dragged);
                } else {
                    EXPECT_EQ(fileHash(copyPath), copyAtScale1[photo.path]);
                    EXPECT_EQ(fileHash(dragged), dragAtScale1[photo.path]);
                }

                // A thumbnail: the row's picture keeps its size, and is held at the device's pixels.
                main->addAThumb(file->OpenAsPicture(), file);
                auto list = main->ListBox1();
                const tk::Ref<tk::Picture> row = list->RowPicture(list->LastIndex());
                const QImage held =
                    static_cast<tk::ListboxView*>(list->qwidget())->rows().row(list->LastIndex()).picture.whole();
                EXPECT_EQ(held.devicePixelRatio(), scale);
                EXPECT_EQ(held.size(), QSize(qCeil(row->Width() * scale), qCeil(row->Height() * scale)));
            });
        }
    }
}

} // namespace
