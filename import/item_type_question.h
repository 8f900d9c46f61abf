#pragma once

#include <string_view>

namespace hexwarden {

// What an unknown code in a unit's list of men and goods stands for.
enum class ItemTypeAnswer { Race, Item };

// Asked when neither the race and item tables of the database nor the game's own item table know a
// code: given the name as the report writes it and the code, is it a race (or creature) or an
// item? The desktop program shows its "Query" window; the command line answers from its options.
class TItemTypeQuestion {
public:
    virtual ~TItemTypeQuestion() = default;
    virtual ItemTypeAnswer Ask(std::string_view name, std::string_view code) = 0;
    // True when the answers are not the user's word but a fixed guess: the import then draws no
    // conclusions from them about the codes that follow.
    virtual bool Guesses() const { return false; }
};

// Gives the same answer to every question.
class TFixedItemTypeAnswer : public TItemTypeQuestion {
public:
    explicit TFixedItemTypeAnswer(ItemTypeAnswer answer) : answer_(answer) {}
    ItemTypeAnswer Ask(std::string_view, std::string_view) override { return answer_; }
    bool Guesses() const override { return true; }

private:
    ItemTypeAnswer answer_;
};

}  // namespace hexwarden
