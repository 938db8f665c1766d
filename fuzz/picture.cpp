// Arbitrary bytes as a photo file: opened as a picture, then drawn scaled into
// a small picture and at its own size, which decodes every level it offers.
#include "fuzz/InputFile.h"

#include "toolkit/pictures/Graphics.h"
#include "toolkit/pictures/Picture.h"

#include <QtGlobal>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The decoders warn about every malformed input; that would drown the fuzzer's own output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tk::Ref<tk::Picture> picture = tk::Picture::open(fuzz::writeInput("photo", data, size));
    if (!picture)
        return 0;
    if (picture->Width() <= 0 || picture->Height() <= 0)
        std::abort();
    const tk::Ref<tk::Picture> small = tk::newPicture(16, 12);
    tk::Ref<tk::Graphics> g = small->Graphics();
    g->DrawPicture(picture, 0, 0, 16, 12, 0, 0, picture->Width(), picture->Height());
    g->DrawPicture(picture, 0, 0);
    return 0;
}
