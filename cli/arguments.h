#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/level.h"

namespace hexwarden::cli {

// Wrong usage of a command: exit status 2 with the command's usage text.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options and operands of one command. Options take a value ("--db FILE" or "--db=FILE")
// or stand alone ("--verbose"); anything else is an operand.
class Arguments {
public:
    Arguments(const std::vector<std::string>& words, const std::set<std::string>& value_options,
              const std::set<std::string>& flag_options);

    bool Has(const std::string& option) const;
    std::string Value(const std::string& option, const std::string& fallback = "") const;
    // The value of an option that must be given.
    std::string Required(const std::string& option) const;
    // The value, which must be one of the choices.
    std::string Choice(const std::string& option, const std::vector<std::string>& choices,
                       const std::string& fallback) const;
    // The level that --level names: "overworld" (when left out), "underworld", or a level's label
    // ("nexus", "deep underworld", "2 <underworld>", ...).
    Level LevelChoice() const;
    const std::vector<std::string>& Operands() const { return operands_; }
    // The operands, which must number at least min_count and at most max_count.
    const std::vector<std::string>& Operands(std::size_t min_count, std::size_t max_count) const;
    bool HelpAsked() const { return help_; }

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> operands_;
    bool help_ = false;
};

// A "--no-NAME" switch that turns one on/off field of an options struct off.
template <typename Options>
struct OffSwitch {
    const char* option;
    bool Options::*field;
};

template <typename Options, std::size_t N>
void AddOffSwitchFlags(const OffSwitch<Options> (&switches)[N], std::set<std::string>& flags) {
    for (const OffSwitch<Options>& entry : switches) flags.insert(entry.option);
}

template <typename Options, std::size_t N>
void ApplyOffSwitches(const OffSwitch<Options> (&switches)[N], const Arguments& arguments, Options& options) {
    for (const OffSwitch<Options>& entry : switches) {
        if (arguments.Has(entry.option)) options.*entry.field = false;
    }
}

}  // namespace hexwarden::cli
