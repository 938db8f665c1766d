// Loading a folder of photos into the list: the time per photo, through the
// folder dialog and through a folder handed over by the desktop, and how much
// the process's peak resident memory grows for a large folder.
#include "bench/AppSession.h"
#include "bench/Fixtures.h"
#include "bench/ProcessMemory.h"

#include "shell/App.h"
#include "workspace/MainWindow.h"

#include "toolkit/files/FolderItem.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <functional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Times each pass of load over the folder of TESSIVO_BENCH_PHOTOS, its photos
// renewed first, until the window has painted what the load left; the time
// reported is the pass's time divided by the number of photos.
void timeLoadsPerPhoto(benchmark::State& state,
                       const std::function<void(MainWindow&, ScriptedDialogHost&, const std::string&)>& load) {
    const std::string folder = fixtures::folder("TESSIVO_BENCH_PHOTOS");
    const auto photos = fixtures::photosIn(folder);
    if (photos.empty()) {
        state.SkipWithError("TESSIVO_BENCH_PHOTOS names no folder of .jpg files");
        return;
    }
    session::run([&](ScriptedDialogHost& host) {
        auto main = MainWindow::instance();
        session::settle();
        for (auto _ : state) {
            fixtures::renew(photos);
            const auto start = Clock::now();
            load(*main, host, folder);
            session::settle();
            const double seconds = session::secondsSince(start);
            // Thread1 may still be leaving its body after its last step.
            while (main->Thread1()->isRunning())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (main->ListBox1()->ListCount() != int(photos.size())) {
                state.SkipWithError("the folder did not load every photo");
                break;
            }
            state.SetIterationTime(seconds / double(photos.size()));
        }
    });
    state.counters["photos"] = double(photos.size());
}

// Through the folder dialog.
void BM_FolderLoadingPerPhoto(benchmark::State& state) {
    timeLoadsPerPhoto(state, [](MainWindow& main, ScriptedDialogHost& host, const std::string& folder) {
        host.folderAnswers = {folder};
        main.openFolder();
    });
}
BENCHMARK(BM_FolderLoadingPerPhoto)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// Handed over as a document (the desktop's "Open With"), which Thread1 loads.
void BM_HandedOverFolderPerPhoto(benchmark::State& state) {
    timeLoadsPerPhoto(state, [](MainWindow& main, ScriptedDialogHost&, const std::string& folder) {
        App::instance()->Event_OpenDocument(tk::makeRef<tk::FolderItem>(folder));
        // The load's last step on the main thread ends loadingImages.
        while (main.loadingImages)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    });
}
BENCHMARK(BM_HandedOverFolderPerPhoto)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// Opens the folder of TESSIVO_BENCH_MANY and reports by how much the peak
// resident memory rose over the peak with the empty window. A peak cannot be
// taken back, so this needs a process of its own.
void BM_MemoryForManyPhotos(benchmark::State& state) {
    const std::string folder = fixtures::folder("TESSIVO_BENCH_MANY");
    const auto photos = fixtures::photosIn(folder);
    if (photos.empty()) {
        state.SkipWithError("TESSIVO_BENCH_MANY names no folder of .jpg files");
        return;
    }
    if (session::runsSoFar() > 0) {
        state.SkipWithError("run alone: --benchmark_filter=BM_MemoryForManyPhotos");
        return;
    }
    session::run([&](ScriptedDialogHost& host) {
        auto main = MainWindow::instance();
        session::settle();
        const long emptyKiB = peakResidentKiB();
        for (auto _ : state) {
            host.folderAnswers = {folder};
            main->openFolder();
            session::settle();
        }
        if (main->ListBox1()->ListCount() != int(photos.size()))
            state.SkipWithError("the folder did not load every photo");
        state.counters["photos"] = double(photos.size());
        const long riseKiB = peakResidentKiB() - emptyKiB;
        state.counters["peak_rise_MB"] = double(riseKiB) / 1024.0;
        state.counters["KB_per_photo"] = double(riseKiB) * 1.024 / double(photos.size());
    });
}
BENCHMARK(BM_MemoryForManyPhotos)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
