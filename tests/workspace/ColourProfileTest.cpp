// Photos whose files carry a colour profile: the thumbnails, the preview and
// the copies show the colours the profile gives the photo's numbers, in sRGB.
// Files with no profile, an sRGB one or one that cannot be read keep the
// numbers they hold, and their copies the bytes they had.
#include "tests/support/AppFixture.h"
#include "tests/support/PhotoFiles.h"

#include "workspace/MainWindow.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

// A photo of 1600 x 1200, so that the thumbnail and the preview are decoded
// at reduced scales: saturated hues across, where colour spaces differ most,
// over shades from dark to light down, where their tone curves do.
QImage photo() {
    QImage image(1600, 1200, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient hues(0, 0, image.width(), 0);
    const QColor stops[] = {{240, 120, 30}, {40, 200, 60}, {30, 60, 220}, {200, 40, 160}, {250, 230, 40}};
    for (int i = 0; i < 5; ++i)
        hues.setColorAt(i / 4.0, stops[i]);
    painter.fillRect(image.rect(), hues);
    QLinearGradient shades(0, 0, 0, image.height());
    shades.setColorAt(0, QColor(0, 0, 0, 200));
    shades.setColorAt(0.5, QColor(0, 0, 0, 0));
    shades.setColorAt(1, QColor(255, 255, 255, 160));
    painter.fillRect(image.rect(), shades);
    return image;
}

// The photo as a JPEG file, tagged with that colour space's profile when given.
QByteArray jpeg(const std::optional<QColorSpace>& space) {
    QImage image = photo();
    if (space)
        image.setColorSpace(*space);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg", 92);
    return bytes;
}

QByteArray cutShortProfile() {
    const QByteArray profile = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
    return photos::withIccProfile(jpeg(std::nullopt), profile.left(profile.size() / 2));
}

struct Tagged {
    const char* name;
    QByteArray bytes;
    // The colour space the photo's numbers are in; none where they are taken as they are.
    std::optional<QColorSpace> space;
    // Whether its copy is the very bytes of the untagged file's copy.
    bool copiedAsUntagged;
    // Whether the file's orientation turns the photo a quarter clockwise, as a phone held upright does.
    bool turned = false;
};

// The root mean square difference of the two pictures' colour values, from 0 to
// 1, inside the part of area that leaves out a border of two pixels, where
// scalers differ most. The expected picture is scaled to the area's size.
double difference(const QImage& actual, const QRect& area, const QImage& expected) {
    const QImage scaled = expected.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    int count = 0;
    for (int y = 2; y < area.height() - 2; ++y)
        for (int x = 2; x < area.width() - 2; ++x) {
            const QRgb a = actual.pixel(area.x() + x, area.y() + y), e = scaled.pixel(x, y);
            for (int shift : {0, 8, 16}) {
                const double d = (int(a >> shift & 0xff) - int(e >> shift & 0xff)) / 255.0;
                sum += d * d;
                ++count;
            }
        }
    return std::sqrt(sum / count);
}

class ColourProfileTest : public AppTest {
  protected:
    QTemporaryDir dir;
};

TEST_F(ColourProfileTest, ThumbnailPreviewAndCopyShowTheColoursOfTheProfile) {
    QDir(dir.path()).mkdir("photos");
    QDir(dir.path()).mkdir("copies");
    const QString photos = dir.filePath("photos"), copies = dir.filePath("copies");
    const auto native = [](const QString& path) { return QFile::encodeName(path).toStdString(); };
    const auto copyBytes = [&](const QString& name) {
        QFile file(QDir(copies).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    host->folderAnswers = {native(photos), native(copies)};
    runTessivoWith([&] {
        // Made while the application runs, as every picture is: Qt's work on
        // pictures this size starts its thread pool, whose threads set up their
        // event loops beside the application's.
        const std::vector<Tagged> table = {
            {"adobe-rgb.jpg", jpeg(QColorSpace::AdobeRgb), QColorSpace::AdobeRgb, false},
            {"prophoto-rgb.jpg", jpeg(QColorSpace::ProPhotoRgb), QColorSpace::ProPhotoRgb, false},
            {"display-p3.jpg", jpeg(QColorSpace::DisplayP3), QColorSpace::DisplayP3, false},
            {"display-p3-upright.jpg", photos::withOrientation(jpeg(QColorSpace::DisplayP3), 6),
             QColorSpace::DisplayP3, false, true},
            {"srgb.jpg", jpeg(QColorSpace::SRgb), QColorSpace::SRgb, true},
            // What a PNG's gamma and chromaticity chunks say of an ordinary file.
            {"srgb-primaries-gamma-2.2.jpg", jpeg(QColorSpace(QColorSpace::Primaries::SRgb, 2.2f)), std::nullopt,
             true},
            {"profile-cut-short.jpg", cutShortProfile(), std::nullopt, true},
        };
        photos::writeBytes(photos, "untagged.jpg", jpeg(std::nullopt));
        for (const Tagged& row : table)
            photos::writeBytes(photos, row.name, row.bytes);

        auto main = MainWindow::instance();
        auto list = main->ListBox1();
        auto canvas = main->Canvas1();
        main->openFolder(); // decoded ahead on the pool's threads, as a folder is
        ASSERT_EQ(list->ListCount(), int(table.size()) + 1);
        for (int row = 0; row < list->ListCount(); ++row)
            list->setSelected(row, true);
        main->saveAllPhotos();
        EXPECT_TRUE(host->messages.empty());
        const QByteArray untaggedCopy = copyBytes("untagged.jpg");
        ASSERT_FALSE(untaggedCopy.isEmpty());

        for (int row = 0; row < list->ListCount(); ++row) {
            const std::string name = tk::RuntimeGetFolderItem(list->Cell(row, 1))->Name();
            const auto tagged =
                std::find_if(table.begin(), table.end(), [&](const Tagged& t) { return name == t.name; });
            if (tagged == table.end())
                continue;
            SCOPED_TRACE(name);
            QImage expected = photo();
            if (tagged->space) {
                expected.setColorSpace(*tagged->space);
                expected.convertToColorSpace(QColorSpace::SRgb);
            }
            if (tagged->turned)
                expected = expected.transformed(QTransform().rotate(90));

            // The thumbnail: the photo centred across the list's width, as high as the row picture.
            const QImage thumbnail = list->RowPicture(row)->image();
            const int thumbWidth = thumbnail.height() * expected.width() / expected.height();
            const QRect inThumbnail((list->Width() - thumbWidth) / 2, 0, thumbWidth, thumbnail.height());
            EXPECT_LT(difference(thumbnail, inThumbnail, expected), 0.01) << "the thumbnail";

            const tk::Ref<tk::Picture> before = canvas->scaledPic;
            list->setListIndex(row);
            ASSERT_TRUE(waitFor([&] { return canvas->scaledPic && !(canvas->scaledPic == before); }));
            const QImage preview = canvas->scaledPic->image();
            EXPECT_LT(difference(preview, preview.rect(), expected), 0.01) << "the preview";

            const QImage copy = QImageReader(QDir(copies).filePath(QString::fromStdString(name))).read();
            ASSERT_FALSE(copy.isNull());
            EXPECT_LT(difference(copy, copy.rect(), expected), 0.01) << "the copy";
            EXPECT_TRUE(!copy.colorSpace().isValid() || copy.colorSpace() == QColorSpace(QColorSpace::SRgb))
                << "a copy is sRGB";
            EXPECT_EQ(copyBytes(QString::fromStdString(name)) == untaggedCopy, tagged->copiedAsUntagged);
        }
    });
}

} // namespace
