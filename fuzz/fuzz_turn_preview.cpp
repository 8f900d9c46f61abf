// Orders texts run through the month: any bytes give a result and problems, never a crash, a
// hang or a huge allocation, in both rule sets, as a file and as one unit's orders typed again.
#include <cstdint>
#include <string_view>

#include "fuzz/small_game.h"
#include "turn/turn_preview.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace hexwarden;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (RuleSet rules : {RuleSet::Standard, RuleSet::New}) {
        TurnPreview preview(fuzzing::SmallGame(), {rules});
        preview.SetOrders(text);
        preview.Run();
        preview.SetUnitOrders(2, text);
        preview.Run();
    }
    return 0;
}
