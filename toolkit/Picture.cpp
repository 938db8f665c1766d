#include "toolkit/Picture.h"

#include "toolkit/Application.h"
#include "toolkit/Graphics.h"
#include "toolkit/Runtime.h"

#include <QImage>
#include <QFile>
#include <QImageReader>

namespace tk {

Picture::Picture(int width, int height)
    : image_(std::make_unique<QImage>(width, height, QImage::Format_ARGB32_Premultiplied)) {
    image_->fill(Qt::transparent);
}

Picture::Picture(const QImage& image)
    : image_(std::make_unique<QImage>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied))) {}

Picture::~Picture() = default;

int Picture::Width() const { return image_->width(); }
int Picture::Height() const { return image_->height(); }
const QImage& Picture::image() const { return *image_; }
QImage& Picture::mutableImage() { return *image_; }

Ref<tk::Graphics> Picture::Graphics() { return makeRef<tk::Graphics>(*this); }

Ref<Picture> Picture::_OpenFromApp(const std::string& fileName) {
    Ref<Application> app = RuntimeAppObject();
    Ref<FolderItem> executable = app ? app->ExecutableFile() : nullptr;
    Ref<FolderItem> binFolder = executable ? executable->Parent() : nullptr;
    Ref<FolderItem> appFolder = binFolder ? binFolder->Parent() : nullptr;
    Ref<FolderItem> resources = appFolder ? appFolder->Child("Resources") : nullptr;
    Ref<FolderItem> file = resources ? resources->Child(fileName) : nullptr;
    if (!file || fileName.empty())
        return nullptr;
    QImageReader reader(QFile::decodeName(QByteArray::fromStdString(file->nativePath())));
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    return makeRef<Picture>(image);
}

Ref<Picture> newPicture(int width, int height, int depth) {
    if (width <= 0 || height <= 0 || depth != 32)
        return nullptr;
    auto picture = makeRef<Picture>(width, height);
    if (picture->image().isNull())
        return nullptr;
    return picture;
}

} // namespace tk
