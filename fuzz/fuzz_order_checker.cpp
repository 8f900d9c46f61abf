// Orders texts: any bytes give a list of problems, never a crash, a hang or a huge allocation,
// read as a file and as one unit's orders, in both rule sets, with and without a database.
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/database.h"
#include "model/hex.h"
#include "model/unit.h"
#include "orders/order_checker.h"

namespace {

using namespace hexwarden;

// Two own units and a stranger in one plain next to an ocean, so the database warnings run too.
const TVelMain& Database() {
    static TVelMain* db = [] {
        auto* made = new TVelMain;
        made->Clear();
        made->FactionNumber = 3;
        for (auto [x, y, terrain] : {std::tuple{2, 2, "Plain"}, {2, 0, "Ocean"}}) {
            auto hex = std::make_unique<TVelHex>(*made);
            hex->X = x;
            hex->Y = y;
            hex->SetTerrainName(terrain);
            made->HexesOf(Level::Surface).AddOrMerge(std::move(hex));
        }
        for (int32_t number : {1, 2, 3}) {
            auto unit = std::make_unique<TVelUnit>(*made);
            unit->Number = number;
            unit->Faction = number == 3 ? 9 : 3;
            unit->X = unit->Y = 2;
            unit->Items.AddNew("SWOR", 0, 5);
            TVelUnit* added = made->Units.AddOrReplace(std::move(unit));
            made->FindHex({2, 2, Level::Surface})->Units.AddUnique(added);
            if (number != 3) made->OwnUnits.AddUnique(added);
        }
        return made;
    }();
    return *db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (RuleSet rules : {RuleSet::Standard, RuleSet::New}) {
        CheckOptions options;
        options.rules = rules;
        CheckOrdersFile(text, options, rules == RuleSet::Standard ? &Database() : nullptr);
        options.line_ends = LineEnds::Stored;
        CheckUnitOrders(text, 1, options, &Database());
    }
    return 0;
}
