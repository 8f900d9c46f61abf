#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <functional>

#include "model/record_keys.h"
#include "windows/records_notice.h"
#include "windows/window_registry.h"

class QMenu;
class QWidget;

namespace hexwarden {

class TVelMain;
class TfrmFaction;
class TfrmHexInfo;
class TfrmRecordWindow;
class TfrmStructure;
class TfrmUnitInfo;
class TMonthPreview;

using THexFormList = TRecordFormList<TfrmHexInfo, HexKey>;
using TUnitFormList = TRecordFormList<TfrmUnitInfo, UnitKey>;
using TFactionFormList = TRecordFormList<TfrmFaction, FactionKey>;
using TStructureFormList = TRecordFormList<TfrmStructure, StructureKey>;

// The submenus of "&Windows" that mirror the registries.
struct WindowMenus {
    QMenu* Hexes = nullptr;
    QMenu* Units = nullptr;
    QMenu* Factions = nullptr;
    QMenu* Structures = nullptr;
};

// The information windows on hexes, units, factions and structures: one window per record, found
// again by key, brought forward when asked for twice. The windows follow the records notice: they
// write back before a change and refill after it, and a window whose record is gone closes.
class InformationWindows : public QObject {
    Q_OBJECT
public:
    // New windows belong to owner (the main window).
    InformationWindows(TVelMain& main, TRecordsNotice& notice, QWidget* owner, const WindowMenus& menus);
    // Frees the open windows without writing back: the main window has done so already.
    ~InformationWindows() override;

    TVelMain& Main() const { return main_; }
    TRecordsNotice& Notice() const { return notice_; }
    QWidget* Owner() const { return owner_; }

    // Each opens the record's window centred over parent (the screen when null), or brings the one
    // already open forward. Nothing opens for a record the database does not hold.
    void ShowHex(const HexKey& key, QWidget* parent);
    void ShowUnit(const UnitKey& key, QWidget* parent);
    void ShowFaction(const FactionKey& key, QWidget* parent);
    void ShowStructure(const StructureKey& key, QWidget* parent);

    // Writes back what the user typed in the window and announces it when that changed the records.
    void WriteBack(TfrmRecordWindow& window);

    // Draws the unit's track in a map window; set by the main window.
    std::function<void(int32_t unit, QWidget* parent)> TrackUnit;
    // The month ahead of the faction's orders; set by the main window, which owns it.
    TMonthPreview* Preview = nullptr;

    THexFormList Hexes;
    TUnitFormList Units;
    TFactionFormList Factions;
    TStructureFormList Structures;

private:
    template <typename Window, typename Key>
    void ShowFor(TRecordFormList<Window, Key>& registry, const Key& key, QWidget* parent);
    std::array<TFormList*, 4> Registries();
    void WriteBackAll();
    void RefillAll();

    TVelMain& main_;
    TRecordsNotice& notice_;
    QWidget* owner_;
};

}  // namespace hexwarden
