#pragma once

#include <QDialog>

#include "interchange/map_export.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QComboBox;

namespace hexwarden {

class TVelMain;

// "Export Data": a rectangle of one level, what to write of its hexes, and the file.
class TfrmExportData : public QDialog {
    Q_OBJECT
public:
    TfrmExportData(const TVelMain& main, QWidget* parent);

    // Runs the window modally over parent; true once a file was written.
    static bool Execute(const TVelMain& main, QWidget* parent);

    // The choices as the export takes them. A coordinate box left empty stands for the level's
    // own bound on that side: 0 for the top-left corner, the largest x or y for the bottom-right.
    MapExportOptions Options() const;

    void btnSelectFileClick();
    void btnExportClick();

private:
    QCheckBox* AddOption(QWidget* panel, const char* caption, const char* name, bool on);

    const TVelMain& main_;

    QLineEdit* edStartX = nullptr;
    QLineEdit* edStartY = nullptr;
    QLineEdit* edEndX = nullptr;
    QLineEdit* edEndY = nullptr;
    // Every level the database holds.
    QComboBox* cbLevel = nullptr;
    QCheckBox* chkConfirmedOnly = nullptr;
    QCheckBox* chkExportProvince = nullptr;
    QCheckBox* chkExportPeasants = nullptr;
    QCheckBox* chkExportCities = nullptr;
    QCheckBox* chkExportTax = nullptr;
    QCheckBox* chkExportWages = nullptr;
    QCheckBox* chkExportEntertainment = nullptr;
    QCheckBox* chkExportForSale = nullptr;
    QCheckBox* chkExportWanted = nullptr;
    QCheckBox* chkExportProducts = nullptr;
    QCheckBox* chkExportGates = nullptr;
    QCheckBox* chkExportStructures = nullptr;
    QCheckBox* chkExportUnits = nullptr;
    QGroupBox* pnlUnitData = nullptr;
    QCheckBox* chkExpUnitFaction = nullptr;
    QCheckBox* chkExpUnitItems = nullptr;
    QCheckBox* chkExpUnitTroops = nullptr;
    QCheckBox* chkExpUnitSkills = nullptr;
    QCheckBox* chkExpUnitFlags = nullptr;
    QCheckBox* chkExpUnitCombatSpell = nullptr;
    QLabel* pnlFile = nullptr;
    QPushButton* btnSelectFile = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnCancel = nullptr;
};

}  // namespace hexwarden
