// The desktop program's start-up as the user waits for it: the main window reads its settings,
// opens a 10 MB data file and restores a maximised map window, up to that window's first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/main_window.h"
#include "bench/synthetic_report.h"
#include "bench/throwing_messages.h"
#include "import/item_type_question.h"
#include "import/parse_status_log.h"
#include "import/turn_import.h"
#include "model/database.h"
#include "platform/message_sink.h"
#include "storage/data_file.h"

namespace hexwarden {
namespace {

constexpr std::size_t kDataFileBytes = 10'500'000;

// Notes the first paint of any map control.
class PaintWatcher : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == QStringLiteral("theMap")) painted = true;
        return false;
    }
};

QApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_desktop_startup";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

// A data file of about 10 MB made from a synthetic report, and a settings file naming it with one
// maximised overworld map window.
std::filesystem::path MakeSettings() {
    const auto folder = std::filesystem::temp_directory_path() / "hexwarden-bench-startup";
    std::filesystem::create_directories(folder);
    const auto data = folder / "game.hwd";
    if (!std::filesystem::exists(data)) {
        TVelMain db;
        db.Clear();
        TSilentStatusLog log;
        TFixedItemTypeAnswer answer(ItemTypeAnswer::Item);
        ImportTurnReportText(db, bench::MakeSyntheticReport(kDataFileBytes), OrdersMode::Preserve, log,
                             answer);
        bench::ThrowingMessages messages;
        SaveToFile(db, data, messages);
    }
    const auto settings = folder / "Hexwarden.ini";
    std::ofstream(settings) << "[Hexwarden]\nData=" << data.string()
                            << "\nMapCount=1\n[Window]\nWidth=1280\nHeight=900\n[Map1]\nMaximised=1\nActive=1\n";
    return settings;
}

void BM_StartUpToFirstMapPaint(benchmark::State& state) {
    QApplication& application = Application();
    const std::filesystem::path settings = MakeSettings();
    PaintWatcher watcher;
    application.installEventFilter(&watcher);
    for (auto _ : state) {
        watcher.painted = false;
        auto main = std::make_unique<TfrmMain>(settings);
        main->Start("");
        while (!watcher.painted) QApplication::processEvents();
        state.PauseTiming();
        main.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    application.removeEventFilter(&watcher);
    state.counters["data_MB"] = static_cast<double>(std::filesystem::file_size(
                                    std::filesystem::temp_directory_path() / "hexwarden-bench-startup" / "game.hwd")) /
                                1e6;
}
BENCHMARK(BM_StartUpToFirstMapPaint)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace hexwarden
