#include "import/faction_list_import.h"

#include "import/text_utils.h"
#include "model/faction.h"
#include "platform/number_text.h"
#include "platform/whole_file.h"

namespace hexwarden {

namespace {

void ImportFactionLine(TVelFactionList& factions, std::string_view line) {
    const std::size_t open = line.find('(');
    const std::size_t close = open == std::string_view::npos ? std::string_view::npos : line.find(')', open);
    // Without brackets the whole line stands where the number should be, so the error names it.
    std::string_view number_text = line;
    if (open != std::string_view::npos) number_text = line.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
    const int32_t number = StrToInt(TrimBlanks(number_text));

    const std::string_view name = open == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(0, open));
    const std::size_t comma = line.find(',');
    const std::string_view email = comma == std::string_view::npos ? line : TrimBlanks(line.substr(comma + 1));

    TVelFaction* faction = factions.AddOrRename(name, number);
    faction->Email = std::string(email);
}

}  // namespace

int32_t ImportFactionsFromText(TVelFactionList& factions, std::string_view text) {
    int32_t count = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = TrimBlanks(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty()) continue;
        ImportFactionLine(factions, line);
        ++count;
    }
    return count;
}

int32_t ImportFactions(TVelFactionList& factions, const std::filesystem::path& file_name) {
    return ImportFactionsFromText(factions, ReadWholeFile(file_name));
}

std::string ImportedFactionsMessage(int32_t count) {
    return "Imported " + std::to_string(count) + " faction(s).";
}

}  // namespace hexwarden
