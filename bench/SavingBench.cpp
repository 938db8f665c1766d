// Saving scaled copies and renaming: "Save Selected" on every listed photo,
// and the rename-and-number window's OK over many listed files.
#include "bench/AppSession.h"
#include "bench/Fixtures.h"

#include "workspace/MainWindow.h"
#include "workspace/batchNameWindow.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

using Clock = std::chrono::steady_clock;

void addRows(MainWindow& main, const std::vector<std::string>& files) {
    for (const auto& path : files) {
        auto file = tk::makeRef<tk::FolderItem>(path);
        main.addAThumb(file->OpenAsPicture(), file);
    }
}

// Each pass selects every row of the first N of the TESSIVO_BENCH_PHOTOS
// photos (N the argument) and saves them into a fresh folder at the stored
// window size; the time reported is the pass's time divided by N.
void BM_SavePerPhoto(benchmark::State& state) {
    const auto photos = fixtures::photosIn(fixtures::folder("TESSIVO_BENCH_PHOTOS"));
    const auto count = std::size_t(state.range(0));
    if (photos.size() < count) {
        state.SkipWithError("TESSIVO_BENCH_PHOTOS names no folder of that many .jpg files");
        return;
    }
    const std::vector<std::string> chosen(photos.begin(), photos.begin() + std::ptrdiff_t(count));
    session::run([&](ScriptedDialogHost& host) {
        auto main = MainWindow::instance();
        addRows(*main, chosen);
        session::settle();
        for (auto _ : state) {
            fixtures::renew(chosen);
            QTemporaryDir out;
            for (int row = 0; row < main->ListBox1()->ListCount(); ++row)
                main->ListBox1()->setSelected(row, true);
            host.folderAnswers = {QFile::encodeName(out.path()).toStdString()};
            const auto start = Clock::now();
            main->saveAllPhotos();
            session::settle();
            const double seconds = session::secondsSince(start);
            if (QDir(out.path()).entryList(QDir::Files).size() != int(chosen.size())) {
                state.SkipWithError("not every copy was written");
                break;
            }
            state.SetIterationTime(seconds / double(chosen.size()));
        }
    });
}
BENCHMARK(BM_SavePerPhoto)->Arg(20)->Arg(40)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// Renames 1000 small listed files with the window's OK; the time of the whole pass.
void BM_Rename1000(benchmark::State& state) {
    QTemporaryDir folder;
    std::vector<std::string> files;
    QImage tiny(8, 8, QImage::Format_RGB32);
    tiny.fill(Qt::gray);
    for (int i = 0; i < 1000; ++i) {
        const QString path = folder.filePath(QString("IMG_%1.jpg").arg(i, 4, 10, QChar('0')));
        tiny.save(path, "jpeg");
        files.push_back(QFile::encodeName(path).toStdString());
    }
    session::run([&](ScriptedDialogHost&) {
        auto main = MainWindow::instance();
        addRows(*main, files);
        session::settle();
        int pass = 0;
        for (auto _ : state) {
            auto window = batchNameWindow::instance();
            window->EditField1()->setText("Pass" + std::to_string(++pass) + "_");
            const auto start = Clock::now();
            window->PushButton1()->Push();
            state.SetIterationTime(session::secondsSince(start));
            session::settle();
        }
    });
}
BENCHMARK(BM_Rename1000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
