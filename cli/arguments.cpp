#include "cli/arguments.h"

namespace hexwarden::cli {

Arguments::Arguments(const std::vector<std::string>& words, const std::set<std::string>& value_options,
                     const std::set<std::string>& flag_options) {
    bool options_ended = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (options_ended || word.size() < 2 || word.compare(0, 2, "--") != 0) {
            operands_.push_back(word);
            continue;
        }
        if (word == "--") {
            options_ended = true;
            continue;
        }
        if (word == "--help") {
            help_ = true;
            continue;
        }
        std::string name = word.substr(2);
        std::string value;
        bool inline_value = false;
        if (auto equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
            inline_value = true;
        }
        if (value_options.count(name)) {
            if (!inline_value) {
                if (i + 1 >= words.size()) throw UsageError("option --" + name + " needs a value");
                value = words[++i];
            }
            values_[name] = value;
        } else if (flag_options.count(name) && !inline_value) {
            flags_.insert(name);
        } else {
            throw UsageError("unknown option " + word);
        }
    }
}

bool Arguments::Has(const std::string& option) const {
    return flags_.count(option) || values_.count(option);
}

std::string Arguments::Value(const std::string& option, const std::string& fallback) const {
    auto found = values_.find(option);
    return found == values_.end() ? fallback : found->second;
}

std::string Arguments::Required(const std::string& option) const {
    auto found = values_.find(option);
    if (found == values_.end()) throw UsageError("option --" + option + " is required");
    return found->second;
}

std::string Arguments::Choice(const std::string& option, const std::vector<std::string>& choices,
                              const std::string& fallback) const {
    std::string value = Value(option, fallback);
    for (const auto& choice : choices) {
        if (value == choice) return value;
    }
    throw UsageError("option --" + option + " does not take '" + value + "'");
}

Level Arguments::LevelChoice() const {
    const std::string value = Value("level", "overworld");
    if (value == "overworld") return Level::Surface;
    const std::optional<Level> level = Level::FromLabel(value);
    if (!level || value.empty()) throw UsageError("option --level does not take '" + value + "'");
    return *level;
}

const std::vector<std::string>& Arguments::Operands(std::size_t min_count, std::size_t max_count) const {
    if (operands_.size() < min_count) throw UsageError("missing file name");
    if (operands_.size() > max_count) throw UsageError("too many file names");
    return operands_;
}

}  // namespace hexwarden::cli
