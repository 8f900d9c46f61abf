// The unit list with 200,000 units, as the player waits for it: opening it (rows built from the
// database, the view laid out and painted), sorting on each column, and one keystroke in the
// filter. Run with QT_QPA_PLATFORM=offscreen where there is no display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

#include "model/database.h"
#include "windows/information_windows.h"
#include "windows/records_notice.h"
#include "windows/unit_list.h"

namespace hexwarden {
namespace {

constexpr int32_t kUnits = 200'000;
constexpr int32_t kFactions = 60;

QApplication& Application() {
    static int argc = 1;
    static char name[] = "bench_unit_list";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

// Units of 60 factions (and some unknown) on both levels, with one or two troop entries each and
// names that repeat words as players' unit names do.
struct World {
    TVelMain db;
    TRecordsNotice notice;
    QWidget owner;
    InformationWindows windows{db, notice, &owner, {}};
    std::vector<UnitKey> keys;

    World() {
        db.Clear();
        static const char* const kWords[] = {"Scouts", "Guard", "Miners", "Traders", "Hunters", "Mages",
                                             "Riders", "Archers", "Builders", "Pikes", "Wardens", "Tax"};
        for (int32_t number = 1; number <= kFactions; ++number) {
            db.Factions.AddOrRename("Faction " + std::to_string(number * 7), number);
        }
        db.Units.Reserve(kUnits);
        uint32_t seed = 12345;
        const auto next = [&seed] {
            seed = seed * 1103515245u + 12345u;
            return (seed >> 8) & 0xFFFFu;
        };
        for (int32_t number = 1; number <= kUnits; ++number) {
            auto unit = std::make_unique<TVelUnit>(db);
            unit->Number = number * 3 + static_cast<int32_t>(next() % 3);
            unit->Faction = static_cast<int32_t>(next() % (kFactions + 5));  // above 60: unknown faction
            if (unit->Faction > kFactions) unit->Faction = 0;
            unit->Name = std::string(kWords[next() % 12]) + " " + kWords[next() % 12] + " " +
                         std::to_string(next() % 1000);
            unit->Where = next() % 4 != 0 ? Level::Surface : Level::Underworld;
            unit->X = static_cast<int32_t>(next() % 400);
            unit->Y = static_cast<int32_t>(next() % 200) * 2 + unit->X % 2;
            unit->Troops.AddTroops(next() % 2 == 0 ? "VIKI" : "LEAD", static_cast<int32_t>(1 + next() % 50));
            if (next() % 3 == 0) unit->Troops.AddTroops("WELF", static_cast<int32_t>(1 + next() % 20));
            keys.push_back(UnitKey::Of(*db.Units.Append(std::move(unit))));
        }
    }
};

World& TheWorld() {
    Application();
    static World world;
    return world;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

// Opening: the window built, filled and painted once; closing is not timed.
void BM_UnitListOpen(benchmark::State& state) {
    World& world = TheWorld();
    const bool viewing = state.range(0) == 0;
    size_t heap = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        auto list = viewing ? std::make_unique<TfrmUnitList>(world.windows, nullptr, TfrmUnitList::Mode::Viewing,
                                                             QStringLiteral("All Known Veldoria Units"), world.keys)
                            : std::make_unique<TfrmUnitList>(world.windows, nullptr, TfrmUnitList::Mode::Selecting,
                                                             QStringLiteral("Select Unit"), std::nullopt);
        benchmark::DoNotOptimize(list->grab());
        state.PauseTiming();
        heap = HeapInUse() - before;
        list.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_unit"] = static_cast<double>(heap) / kUnits;
    state.SetLabel(viewing ? "viewing, troop rows" : "selection, all units");
}
BENCHMARK(BM_UnitListOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// One heading click: the rows sorted (the other way round each time) and the view painted again.
void BM_UnitListSort(benchmark::State& state) {
    World& world = TheWorld();
    TfrmUnitList list(world.windows, nullptr, TfrmUnitList::Mode::Viewing, QString(), world.keys);
    list.grab();
    const int column = static_cast<int>(state.range(0));
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        list.treeList().sortByColumn(column, order);
        benchmark::DoNotOptimize(list.grab());
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    state.SetLabel(list.treeList().Model().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
}
BENCHMARK(BM_UnitListSort)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// One keystroke in the filter, painted: the first letter over every row, a second letter that
// narrows those shown, and the filter emptied again.
void BM_UnitListFilterKeystroke(benchmark::State& state) {
    World& world = TheWorld();
    TfrmUnitList list(world.windows, nullptr, TfrmUnitList::Mode::Viewing, QString(), world.keys);
    list.grab();
    const QString before[] = {QString(), QStringLiteral("m"), QStringLiteral("mi")};
    const QString after[] = {QStringLiteral("m"), QStringLiteral("mi"), QString()};
    const auto step = static_cast<size_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        list.edFilter().setText(before[step]);
        state.ResumeTiming();
        list.edFilter().setText(after[step]);
        benchmark::DoNotOptimize(list.grab());
    }
    state.counters["rows_shown"] = list.treeList().Model().rowCount();
    static const char* const kLabels[] = {"first letter", "second letter", "emptied"};
    state.SetLabel(kLabels[step]);
}
BENCHMARK(BM_UnitListFilterKeystroke)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hexwarden
