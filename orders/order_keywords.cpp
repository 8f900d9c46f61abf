#include "orders/order_keywords.h"

#include <array>

#include "orders/token_tables.h"

namespace hexwarden {

namespace {

struct KeywordEntry {
    Keyword keyword;
    std::string_view text;
    uint8_t rules;
};

constexpr KeywordEntry kKeywords[] = {
    {Keyword::Address, "ADDRESS", kBoth},       {Keyword::Advance, "ADVANCE", kBoth},
    {Keyword::Annihilate, "ANNIHILATE", kNew},  {Keyword::Armor, "ARMOR", kBoth},
    {Keyword::Assassinate, "ASSASSINATE", kBoth}, {Keyword::Attack, "ATTACK", kBoth},
    {Keyword::Autotax, "AUTOTAX", kBoth},       {Keyword::Avoid, "AVOID", kBoth},
    {Keyword::Behind, "BEHIND", kBoth},         {Keyword::Build, "BUILD", kBoth},
    {Keyword::Buy, "BUY", kBoth},               {Keyword::Cast, "CAST", kBoth},
    {Keyword::Claim, "CLAIM", kBoth},           {Keyword::Combat, "COMBAT", kBoth},
    {Keyword::Consume, "CONSUME", kBoth},       {Keyword::Declare, "DECLARE", kBoth},
    {Keyword::Describe, "DESCRIBE", kBoth},     {Keyword::Destroy, "DESTROY", kBoth},
    {Keyword::Distribute, "DISTRIBUTE", kBoth}, {Keyword::End, "END", kBoth},
    {Keyword::Endturn, "ENDTURN", kBoth},       {Keyword::Enter, "ENTER", kBoth},
    {Keyword::Entertain, "ENTERTAIN", kBoth},   {Keyword::Evict, "EVICT", kBoth},
    {Keyword::Exchange, "EXCHANGE", kBoth},     {Keyword::Faction, "FACTION", kBoth},
    {Keyword::Find, "FIND", kBoth},             {Keyword::Forget, "FORGET", kBoth},
    {Keyword::Form, "FORM", kBoth},             {Keyword::Give, "GIVE", kBoth},
    {Keyword::Guard, "GUARD", kBoth},           {Keyword::Hold, "HOLD", kBoth},
    {Keyword::Idle, "IDLE", kBoth},             {Keyword::Join, "JOIN", kBoth},
    {Keyword::Leave, "LEAVE", kBoth},           {Keyword::Move, "MOVE", kBoth},
    {Keyword::Name, "NAME", kBoth},             {Keyword::Noaid, "NOAID", kBoth},
    {Keyword::Nocross, "NOCROSS", kBoth},       {Keyword::Nospoils, "NOSPOILS", kBoth},
    {Keyword::Option, "OPTION", kBoth},         {Keyword::Password, "PASSWORD", kBoth},
    {Keyword::Pillage, "PILLAGE", kBoth},       {Keyword::Prepare, "PREPARE", kNew},
    {Keyword::Produce, "PRODUCE", kBoth},       {Keyword::Promote, "PROMOTE", kBoth},
    {Keyword::Quit, "QUIT", kBoth},             {Keyword::Restart, "RESTART", kBoth},
    {Keyword::Reveal, "REVEAL", kBoth},         {Keyword::Sacrifice, "SACRIFICE", kNew},
    {Keyword::Sail, "SAIL", kBoth},             {Keyword::Sell, "SELL", kBoth},
    {Keyword::Share, "SHARE", kBoth},           {Keyword::Show, "SHOW", kBoth},
    {Keyword::Spoils, "SPOILS", kBoth},         {Keyword::Steal, "STEAL", kBoth},
    {Keyword::Study, "STUDY", kBoth},           {Keyword::Take, "TAKE", kBoth},
    {Keyword::Tax, "TAX", kBoth},               {Keyword::Teach, "TEACH", kBoth},
    {Keyword::Transport, "TRANSPORT", kBoth},   {Keyword::Turn, "TURN", kBoth},
    {Keyword::Unit, "UNIT", kBoth},             {Keyword::Weapon, "WEAPON", kBoth},
    {Keyword::Withdraw, "WITHDRAW", kBoth},     {Keyword::Work, "WORK", kBoth},
};

const KeywordEntry& EntryOf(Keyword keyword) {
    return kKeywords[static_cast<std::size_t>(keyword)];
}

// The table is in enum order, so EntryOf is an index.
constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < std::size(kKeywords); ++i)
        if (static_cast<std::size_t>(kKeywords[i].keyword) != i) return false;
    return true;
}
static_assert(InEnumOrder());

}  // namespace

std::optional<Keyword> KeywordNamed(std::string_view word, RuleSet rules) {
    // No keyword is longer than ANNIHILATE/ASSASSINATE; a quick length test skips most names.
    if (word.empty() || word.size() > 11) return std::nullopt;
    const uint8_t mask = rules == RuleSet::New ? kNew : kStd;
    for (const KeywordEntry& entry : kKeywords) {
        if (entry.text.size() == word.size() && (entry.rules & mask) != 0 && SameName(word, entry.text))
            return entry.keyword;
    }
    return std::nullopt;
}

std::string_view KeywordText(Keyword keyword) {
    return EntryOf(keyword).text;
}

bool IsMonthLong(Keyword keyword, RuleSet rules) {
    switch (keyword) {
        case Keyword::Build: case Keyword::Entertain: case Keyword::Idle: case Keyword::Move:
        case Keyword::Advance: case Keyword::Produce: case Keyword::Sail: case Keyword::Study:
        case Keyword::Teach: case Keyword::Work:
            return true;
        case Keyword::Tax: case Keyword::Pillage:
            return rules == RuleSet::New;
        default:
            return false;
    }
}

}  // namespace hexwarden
