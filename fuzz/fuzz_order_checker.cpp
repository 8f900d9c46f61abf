// Orders texts: any bytes give a list of problems, never a crash, a hang or a huge allocation,
// read as a file and as one unit's orders, in both rule sets, with and without a database.
#include <cstdint>
#include <string_view>

#include "fuzz/small_game.h"
#include "orders/order_checker.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace hexwarden;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TVelMain& database = fuzzing::SmallGame();
    for (RuleSet rules : {RuleSet::Standard, RuleSet::New}) {
        CheckOptions options;
        options.rules = rules;
        CheckOrdersFile(text, options, rules == RuleSet::Standard ? &database : nullptr);
        options.line_ends = LineEnds::Stored;
        CheckUnitOrders(text, 1, options, &database);
    }
    return 0;
}
