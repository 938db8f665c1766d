// A long session in one process: load a large folder, select every row in
// turn, save every photo, rename every file, three times over. Reports the
// resident memory after each round and the time per photo of each step, so
// that growth from round to round shows.
#include "bench/AppSession.h"
#include "bench/Fixtures.h"
#include "bench/ProcessMemory.h"

#include "workspace/MainWindow.h"
#include "workspace/batchNameWindow.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace {

using Clock = std::chrono::steady_clock;

void BM_LongRun(benchmark::State& state) {
    const std::string folder = fixtures::folder("TESSIVO_BENCH_LONGRUN");
    const auto photos = fixtures::photosIn(folder);
    if (photos.empty()) {
        state.SkipWithError("TESSIVO_BENCH_LONGRUN names no folder of .jpg files");
        return;
    }
    const double n = double(photos.size());
    session::run([&](ScriptedDialogHost& host) {
        auto main = MainWindow::instance();
        session::settle();
        int round = 0;
        for (auto _ : state) {
            ++round;
            std::string prefix = "R";
            prefix += std::to_string(round);
            host.folderAnswers = {folder};
            auto start = Clock::now();
            main->openFolder();
            session::settle();
            const double load = session::secondsSince(start) / n;

            auto list = main->ListBox1();
            start = Clock::now();
            for (int row = 0; row < list->ListCount(); ++row) {
                list->setListIndex(row);
                session::settle();
            }
            const double select = session::secondsSince(start) / n;

            QTemporaryDir out;
            for (int row = 0; row < list->ListCount(); ++row)
                list->setSelected(row, true);
            host.folderAnswers = {QFile::encodeName(out.path()).toStdString()};
            start = Clock::now();
            main->saveAllPhotos();
            session::settle();
            const double save = session::secondsSince(start) / n;

            auto window = batchNameWindow::instance();
            prefix += '_';
            window->EditField1()->setText(prefix);
            start = Clock::now();
            window->PushButton1()->Push();
            session::settle();
            const double rename = session::secondsSince(start) / n;

            std::string r = "round";
            r += std::to_string(round);
            r += '_';
            state.counters[r + "rss_MB"] = double(residentKiB()) / 1024.0;
            state.counters[r + "load_ms"] = load * 1e3;
            state.counters[r + "select_ms"] = select * 1e3;
            state.counters[r + "save_ms"] = save * 1e3;
            state.counters[r + "rename_ms"] = rename * 1e3;
        }
    });
    state.counters["photos"] = n;
}
BENCHMARK(BM_LongRun)->Iterations(3)->Unit(benchmark::kSecond);

} // namespace
