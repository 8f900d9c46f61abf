// Profile (INI) files: any bytes parse, list and read back, never crash or hang.
#include <cstdint>
#include <string_view>

#include "platform/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace hexwarden;
    ProfileFile profile = ProfileFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto names = profile.SectionNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (const auto& entry : profile.SectionEntriesAt(i)) {
            profile.ReadInteger(names[i], entry.Key, 0);
            profile.ReadBool(names[i], entry.Key, false);
        }
    }
    profile.WriteString("Hexwarden", "Data", "game.hwd");
    ProfileFile::Parse(profile.ToBytes());
    return 0;
}
