#include "model/level.h"

#include <array>

#include "platform/ascii_case.h"
#include "platform/number_text.h"

namespace hexwarden {

namespace {

struct KindWord {
    LevelKind Kind;
    std::string_view Word;
};

// Levels that come in depths; the nexus and the abyss are single words of their own.
constexpr std::array<KindWord, 2> kDeepKinds = {{{LevelKind::Underworld, "underworld"},
                                                 {LevelKind::Underdeep, "underdeep"}}};

std::string_view WordOf(LevelKind kind) {
    for (const KindWord& entry : kDeepKinds)
        if (entry.Kind == kind) return entry.Word;
    return {};
}

std::optional<LevelKind> DeepKindOf(std::string_view word) {
    for (const KindWord& entry : kDeepKinds)
        if (EqualsIgnoringCase(entry.Word, word)) return entry.Kind;
    return std::nullopt;
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (!StartsWithIgnoringCase(text, prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

// "N <underworld>": the level numbered N of that kind.
std::optional<Level> NumberedLevel(std::string_view label) {
    const std::size_t blank = label.find(' ');
    if (blank == std::string_view::npos || label.size() < blank + 3) return std::nullopt;
    const std::string_view number = label.substr(0, blank);
    std::string_view bracketed = label.substr(blank + 1);
    if (bracketed.front() != '<' || bracketed.back() != '>') return std::nullopt;
    const std::optional<int32_t> depth = ParseDecimalInt(number);
    const std::optional<LevelKind> kind = DeepKindOf(bracketed.substr(1, bracketed.size() - 2));
    if (!depth || !kind || *depth < 1 || *depth > Level::kMaxDepth) return std::nullopt;
    return Level(*kind, *depth, true);
}

}  // namespace

std::optional<Level> Level::FromLabel(std::string_view label) {
    if (label.empty() || EqualsIgnoringCase(label, "surface")) return Surface;
    if (EqualsIgnoringCase(label, "nexus")) return Nexus;
    if (EqualsIgnoringCase(label, "abyss")) return Level(LevelKind::Abyss, 0, false);
    if (!label.empty() && label.front() >= '0' && label.front() <= '9') return NumberedLevel(label);

    // "underworld", "deep underworld", "very deep underworld", "very very deep underworld", ...
    int depth = 1;
    std::string_view rest = label;
    int very = 0;
    while (TakePrefix(rest, "very ")) {
        if (++very >= kMaxDepth - 1) return std::nullopt;
    }
    if (TakePrefix(rest, "deep ")) depth = 2 + very;
    else if (very > 0) return std::nullopt;
    const std::optional<LevelKind> kind = DeepKindOf(rest);
    if (!kind) return std::nullopt;
    return Level(*kind, depth, false);
}

std::string Level::Label() const {
    switch (kind_) {
    case LevelKind::Surface: return "surface";
    case LevelKind::Nexus: return "nexus";
    case LevelKind::Abyss: return "abyss";
    case LevelKind::Underworld:
    case LevelKind::Underdeep: break;
    }
    const std::string_view word = WordOf(kind_);
    if (numbered_) return std::to_string(depth_) + " <" + std::string(word) + ">";
    std::string label;
    for (int i = 2; i < depth_; ++i) label += "very ";
    if (depth_ >= 2) label += "deep ";
    return label + std::string(word);
}

}  // namespace hexwarden
