// The preview: selecting a photo until it is painted, and painting it again
// and again while the window is resized.
#include "bench/AppSession.h"
#include "bench/Fixtures.h"
#include "tests/support/ScopedVariable.h"

#include "workspace/MainWindow.h"

#include <benchmark/benchmark.h>

#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Opens the folder named by the variable; false (and the benchmark skipped)
// when it is not there or does not load whole.
bool loadFolder(benchmark::State& state, ScriptedDialogHost& host, const char* variable) {
    const std::string folder = fixtures::folder(variable);
    const auto photos = fixtures::photosIn(folder);
    if (photos.empty()) {
        state.SkipWithError((std::string(variable) + " names no folder of .jpg files").c_str());
        return false;
    }
    auto main = MainWindow::instance();
    host.folderAnswers = {folder};
    main->openFolder();
    session::settle();
    if (main->ListBox1()->ListCount() != int(photos.size())) {
        state.SkipWithError("the folder did not load every photo");
        return false;
    }
    return true;
}

// Selects the row and paints the window at once; the seconds it took, or a
// negative number when the preview was not painted.
double selectAndPaint(MainWindow& main, int row) {
    const tk::Picture* before = main.Canvas1()->scaledPic.get();
    const auto start = Clock::now();
    main.ListBox1()->setListIndex(row);
    main.Canvas1()->qwidget()->repaint();
    const double seconds = session::secondsSince(start);
    return main.Canvas1()->scaledPic.get() == before ? -1.0 : seconds;
}

// Times one selection a turn, each of the row after the one before, among the
// first rows of the list; renewing the photo's file first when asked to.
void timeSelections(benchmark::State& state, MainWindow& main, int rows, bool renewEach) {
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % rows;
        if (renewEach)
            fixtures::renew({main.ListBox1()->Cell(row, 1)});
        const double seconds = selectAndPaint(main, row);
        if (seconds < 0) {
            state.SkipWithError("the preview was not painted");
            break;
        }
        state.SetIterationTime(seconds);
        session::settle();
    }
}

// Each selection is of a photo never shown before: the next row, its file
// renewed so that none of its decoded pixels are at hand.
void BM_SelectPhotoFirstTime(benchmark::State& state) {
    session::run([&](ScriptedDialogHost& host) {
        if (!loadFolder(state, host, "TESSIVO_BENCH_PHOTOS"))
            return;
        auto main = MainWindow::instance();
        timeSelections(state, *main, main->ListBox1()->ListCount(), true);
    });
}
BENCHMARK(BM_SelectPhotoFirstTime)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// Each selection is of one of a few photos shown a moment ago, in turn, so
// the decoded pixels the process keeps may serve it.
void BM_SelectPhotoAgain(benchmark::State& state) {
    constexpr int shown = 6;
    session::run([&](ScriptedDialogHost& host) {
        if (!loadFolder(state, host, "TESSIVO_BENCH_PHOTOS"))
            return;
        auto main = MainWindow::instance();
        const int rows = std::min(shown, main->ListBox1()->ListCount());
        for (int row = 0; row < rows; ++row) {
            selectAndPaint(*main, row);
            session::settle();
        }
        timeSelections(state, *main, rows, false);
    });
}
BENCHMARK(BM_SelectPhotoAgain)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(fraction * double(values.size() - 1) + 0.5);
    return values[index];
}

// With the photo of TESSIVO_BENCH_LARGE selected and shown, the window takes
// 200 sizes from small to large, each followed by a paint of the window; the
// time reported is the sum of the paints, with their median and 95th percentile.
void BM_LiveResizeRepaint(benchmark::State& state) {
    constexpr int sizes = 200;
    session::run([&](ScriptedDialogHost& host) {
        if (!loadFolder(state, host, "TESSIVO_BENCH_LARGE"))
            return;
        auto main = MainWindow::instance();
        QWidget* canvas = main->Canvas1()->qwidget();
        canvas->repaint();
        std::vector<double> paints;
        for (auto _ : state) {
            paints.clear();
            for (int i = 0; i < sizes; ++i) {
                main->setWidth(640 + (1600 - 640) * i / (sizes - 1));
                main->setHeight(250 + (1000 - 250) * i / (sizes - 1));
                const auto start = Clock::now();
                canvas->repaint();
                paints.push_back(session::secondsSince(start));
                session::settle();
            }
            double total = 0;
            for (double seconds : paints)
                total += seconds;
            state.SetIterationTime(total);
        }
        if (paints.empty())
            return;
        state.counters["median_ms"] = percentile(paints, 0.5) * 1000.0;
        state.counters["p95_ms"] = percentile(paints, 0.95) * 1000.0;
        state.counters["preview_w"] = main->Canvas1()->Width();
        state.counters["preview_h"] = main->Canvas1()->Height();
    });
}
BENCHMARK(BM_LiveResizeRepaint)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The two above on a screen of the argument's scale (QT_SCALE_FACTOR, which the
// application reads as it starts): the same window sizes, painted at that many
// device pixels per pixel.
void BM_SelectPhotoAtScale(benchmark::State& state) {
    const ScopedVariable scale("QT_SCALE_FACTOR", std::to_string(state.range(0)));
    BM_SelectPhotoFirstTime(state);
}
BENCHMARK(BM_SelectPhotoAtScale)
    ->ArgName("scale")
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

void BM_LiveResizeAtScale(benchmark::State& state) {
    const ScopedVariable scale("QT_SCALE_FACTOR", std::to_string(state.range(0)));
    BM_LiveResizeRepaint(state);
}
BENCHMARK(BM_LiveResizeAtScale)
    ->ArgName("scale")
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
