// What converting photos that carry a colour profile to sRGB costs: one of the
// TESSIVO_BENCH_PHOTOS photos decoded at the level a thumbnail (1/8), the
// preview (1/4) and a full-size draw (1/1) use, from a file that carries an
// Adobe RGB profile and from the same bytes without it.
#include "bench/AppSession.h"
#include "bench/Fixtures.h"

#include "tests/support/PhotoFiles.h"

#include "toolkit/pictures/Picture.h"

#include <benchmark/benchmark.h>

#include <QColorSpace>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QTemporaryDir>

namespace {

using Clock = std::chrono::steady_clock;

// Arguments: the level's denominator, and 1 for the file with the profile, 0 without.
void BM_DecodeLevelWithProfile(benchmark::State& state) {
    const auto photos = fixtures::photosIn(fixtures::folder("TESSIVO_BENCH_PHOTOS"));
    if (photos.empty()) {
        state.SkipWithError("TESSIVO_BENCH_PHOTOS names no folder of .jpg files");
        return;
    }
    const int denominator = int(state.range(0));
    const bool withProfile = state.range(1) != 0;
    QFile original(QString::fromStdString(photos.front()));
    if (!original.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the photo cannot be read");
        return;
    }
    QByteArray bytes = original.readAll();
    if (withProfile)
        bytes = photos::withIccProfile(bytes, QColorSpace(QColorSpace::AdobeRgb).iccProfile());
    QTemporaryDir folder;
    const std::string path = photos::writeBytes(folder.path(), "photo.jpg", bytes);
    session::run([&](ScriptedDialogHost&) {
        for (auto _ : state) {
            // A new file to the pictures decoded before: nothing of it is at hand.
            fixtures::renew({path});
            const tk::Ref<tk::Picture> picture = tk::Picture::open(path);
            const QRect whole(0, 0, picture->Width(), picture->Height());
            QRect inPixels;
            const auto start = Clock::now();
            const QImage level = picture->pixelsFor(whole, whole.size() / denominator, inPixels);
            state.SetIterationTime(session::secondsSince(start));
            if (level.width() != whole.width() / denominator) {
                state.SkipWithError("the level decoded is not the one asked for");
                break;
            }
        }
    });
}
BENCHMARK(BM_DecodeLevelWithProfile)
    ->ArgsProduct({{8, 4, 1}, {0, 1}})
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

} // namespace
