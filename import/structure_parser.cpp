#include "import/structure_parser.h"

#include <memory>
#include <string>

#include "import/region_parser.h"
#include "import/unit_parser.h"
#include "import/veldoria_parser.h"
#include "model/building.h"
#include "platform/number_text.h"

namespace hexwarden {

void ParseStructures(TVelBuildingList& list, TVeldoriaParser& parser, int32_t turn, const Place& place) {
    list.Turn = turn;
    while (parser.PeekWord(1) == "+") {
        auto structure = std::make_unique<TVelBuilding>(parser.Database);
        ParseStructure(*structure, parser, turn, place);
        list.AddOrReplace(std::move(structure));
    }
}

void ParseStructure(TVelBuilding& structure, TVeldoriaParser& parser, int32_t turn, const Place& place) {
    structure.Turn = turn;
    parser.ReadWord();
    structure.Name = parser.ReadUntil("[");
    structure.Number = StrToIntDef(parser.ReadWord(), 0);
    parser.GetWord(2);
    structure.Kind = parser.ReadUntil(",.;");
    char closing = parser.PrevChar();
    if (closing == ',') {
        if (parser.ReadWord() == "needs") structure.Needs = StrToInt(parser.ReadWord());
        for (std::string_view next = parser.PeekWord(1); next != "." && next != ";" && !next.empty(); next = parser.PeekWord(1)) {
            parser.ReadWord();
        }
        const std::string& word = parser.ReadWord();
        closing = word.empty() ? '\0' : word[0];
    }
    if (closing == ';') structure.Description = ReadDescription(parser);
    ParseUnits(structure.Units, parser, turn, place, structure.Number);
}

}  // namespace hexwarden
