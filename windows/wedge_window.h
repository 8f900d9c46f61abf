#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;

namespace hexwarden {

class InformationWindows;
class TColourSwatch;
class TVelMain;

// "Map Wedges": what each of the database's six wedges tests, its key and colour, and which of
// them one map window draws (its wedge slots).
class TfrmWedges : public QDialog {
    Q_OBJECT
public:
    TfrmWedges(InformationWindows& windows, QWidget* parent, const std::array<int32_t, 6>& wedge_slots);

    // Shows the wedges modally; however the window is closed, what it shows is kept: the wedges
    // in the database (announced when they changed) and the slots in `wedge_slots`.
    static void Execute(InformationWindows& windows, QWidget* parent, std::array<int32_t, 6>& wedge_slots);

    // Writes the rows back to the wedge list and the slots.
    void StoreWedges(std::array<int32_t, 6>& wedge_slots) const;

    // Asks for the key of the row's kind (a faction, an alliance, an item) and shows it.
    void pnlWedgeClick(int row);
    // Asks for the row's colour, which then overrides the one the key gives.
    void shpWedgeClick(int row);

private:
    struct Row {
        QCheckBox* chkShow = nullptr;
        QComboBox* cbWedge = nullptr;
        QLabel* pnlWedge = nullptr;
        QCheckBox* chkOverrideColour = nullptr;
        TColourSwatch* shpWedge = nullptr;
        // The key as stored (the panel shows it as text, which need not give the same bytes back).
        std::string Key;
    };

    void cbWedgeChange(int row);
    void ShowKey(int row, std::string key);
    std::optional<std::string> ChooseAlliance(const std::string& current);
    std::optional<std::string> ChooseItem(const std::string& current);

    InformationWindows& windows_;
    TVelMain& main_;
    std::array<Row, 6> rows_;
};

}  // namespace hexwarden
