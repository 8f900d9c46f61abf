#include "import/orders_template.h"

#include <string>
#include <string_view>

#include "import/veldoria_parser.h"
#include "model/database.h"
#include "platform/number_text.h"

namespace hexwarden {

namespace {

constexpr char kRepeatMark = '@';

// The order word of a line, compared without regard to case as the game server reads orders.
bool OrderWordIs(std::string_view line, std::string_view upper_word) {
    const std::string_view word = line.substr(0, line.find_first_of(" \t;"));
    if (word.size() != upper_word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper_word[i]) return false;
    }
    return true;
}

bool AtEndOfUnitOrders(TVeldoriaParser& parser) {
    parser.SkipBlankLines();
    const std::string_view next = parser.PeekWord(1);
    return next == "unit" || next == "#" || next.empty();
}

// The repeating orders of one unit block. A TURN ... ENDTURN block is one order spread over lines:
// a repeating one ("@TURN") is kept whole, a plain one is passed whole, so that neither its end
// nor the orders inside it turn up on their own.
std::string RepeatingOrders(TVeldoriaParser& parser) {
    std::string orders;
    enum class Block { None, Repeating, Plain } block = Block::None;
    while (!AtEndOfUnitOrders(parser)) {
        const std::string line = parser.ReadLine();
        if (line.empty()) continue;
        bool keep = false;
        if (block != Block::None) {
            keep = block == Block::Repeating;
            if (OrderWordIs(line, "ENDTURN") || OrderWordIs(line, "@ENDTURN")) block = Block::None;
        } else if (line.front() == kRepeatMark) {
            keep = true;
            if (OrderWordIs(std::string_view(line).substr(1), "TURN")) block = Block::Repeating;
        } else if (OrderWordIs(line, "TURN")) {
            block = Block::Plain;
        }
        if (keep) orders += line + "\r\n";
    }
    return orders;
}

void ReadUnitOrders(TVeldoriaParser& parser) {
    const int32_t number = StrToIntDef(parser.ReadWord(), 0);
    const std::string log_line = "  Unit " + IntToStr(number) + " Orders";
    TVelUnit* unit = parser.Database.Units.FindByNumber(number);
    if (unit == nullptr) {
        parser.Log(log_line + " - UNKNOWN UNIT");
        return;
    }
    parser.Log(log_line);
    unit->Orders = RepeatingOrders(parser);
}

}  // namespace

void ParseOrdersTemplate(TVeldoriaParser& parser) {
    if (parser.PeekWord(1) != "Orders") return;
    parser.Log("STARTING TO PARSE ORDERS TEMPLATE");
    parser.FindWord("#");
    if (parser.PeekWord(1) == "veldoria") {
        parser.SkipLine();
        for (;;) {
            if (parser.FindWord("unit")) ReadUnitOrders(parser);
            if ((parser.PeekWord(1) == "#" && parser.PeekWord(2) == "end") || parser.PeekWord(1).empty()) break;
        }
    }
    parser.Log("FINISHED PARSING ORDERS TEMPLATE");
}

}  // namespace hexwarden
