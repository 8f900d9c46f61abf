#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/record_keys.h"
#include "windows/basic_window.h"

class QLineEdit;
class QMenu;

namespace hexwarden {

class InformationWindows;

// The keys of a database list of units (Units, NewUnits, LostUnits, a faction's units), in its order.
template <typename List>
std::vector<UnitKey> UnitKeysOf(const List& units) {
    std::vector<UnitKey> keys;
    keys.reserve(static_cast<size_t>(units.Count()));
    for (int32_t i = 0; i < units.Count(); ++i) keys.push_back(UnitKey::Of(*units.Get(i)));
    return keys;
}
std::vector<UnitKey> UnitKeysOf(const std::vector<const TVelUnit*>& units);

// Units with their faction, men and place, to look at (opening a unit's window, troops listed
// under each unit) or to pick one from. Runs modally. The list keeps the units' keys and refills
// when the records change; a unit no longer found drops out.
class TfrmUnitList : public TfrmTBasicList {
    Q_OBJECT
public:
    enum class Mode { Viewing, Selecting };

    // No units given: every unit of the database, as it is at each fill.
    TfrmUnitList(InformationWindows& windows, QWidget* parent, Mode mode, const QString& caption,
                 std::optional<std::vector<UnitKey>> units);

    static void ShowUnits(InformationWindows& windows, QWidget* parent, const QString& caption,
                          std::vector<UnitKey> units);
    // The chosen unit; nothing when the list was closed without one.
    static std::optional<UnitKey> SelectUnit(InformationWindows& windows, QWidget* parent, const QString& caption,
                                             std::optional<std::vector<UnitKey>> units);

    // Fills the list from the database again.
    void Refill();
    // The unit of the selected row, or of its parent row for a troop row.
    std::optional<UnitKey> Selected() const;
    QLineEdit& edFilter() const { return *edFilter_; }

private:
    void ViewSelected();
    void AcceptSelected();

    InformationWindows& windows_;
    Mode mode_;
    std::optional<std::vector<UnitKey>> units_;
    QLineEdit* edFilter_ = nullptr;
    QMenu* pmUnits_;
};

}  // namespace hexwarden
