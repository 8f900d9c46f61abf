#include "windows/export_data_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QComboBox>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <array>
#include <optional>

#include "model/database.h"
#include "platform/number_text.h"
#include "platform/whole_file.h"
#include "qt_surface/qt_text.h"
#include "windows/level_title.h"
#include "windows/busy_cursor.h"
#include "windows/centre_form.h"
#include "windows/message_boxes.h"

namespace hexwarden {
namespace {

// Nine digits at most, so that every number the box takes fits the coordinates.
const QRegularExpression kCoordinateText(QStringLiteral("-?[0-9]{0,9}"));

std::optional<int32_t> Coordinate(const QLineEdit* box) { return ParseDecimalInt(FromQString(box->text())); }

}  // namespace

TfrmExportData::TfrmExportData(const TVelMain& main, QWidget* parent) : QDialog(parent), main_(main) {
    setWindowTitle(QStringLiteral("Export Data"));

    auto* hex_data = new QGroupBox(QStringLiteral("Hex Data"), this);
    hex_data->setObjectName(QStringLiteral("pnlHexData"));
    auto* place = new QGridLayout();
    auto add_corner = [this, hex_data, place](int row, const char* caption, const char* x_name, const char* y_name) {
        place->addWidget(new QLabel(QString::fromLatin1(caption), hex_data), row, 0, 1, 4);
        std::array<QLineEdit*, 2> boxes{};
        const char* names[] = {x_name, y_name};
        for (int i = 0; i < 2; ++i) {
            auto* box = new QLineEdit(hex_data);
            box->setObjectName(QString::fromLatin1(names[i]));
            box->setValidator(new QRegularExpressionValidator(kCoordinateText, box));
            box->setFixedWidth(40);
            const QString axis = i == 0 ? QStringLiteral("X") : QStringLiteral("Y");
            box->setAccessibleName(QString::fromLatin1(caption) + QLatin1Char(' ') + axis);
            box->setToolTip(QStringLiteral("Empty: the edge of the level"));
            auto* label = new QLabel(axis, hex_data);
            label->setBuddy(box);
            place->addWidget(label, row + 1, 2 * i);
            place->addWidget(box, row + 1, 2 * i + 1);
            boxes[static_cast<size_t>(i)] = box;
        }
        return boxes;
    };
    const auto start = add_corner(0, "Top Left Hex", "edStartX", "edStartY");
    edStartX = start[0];
    edStartY = start[1];
    const auto end = add_corner(2, "Bottom Right Hex", "edEndX", "edEndY");
    edEndX = end[0];
    edEndY = end[1];
    place->setColumnStretch(4, 1);

    cbLevel = new QComboBox(hex_data);
    cbLevel->setObjectName(QStringLiteral("cbLevel"));
    cbLevel->setAccessibleName(QStringLiteral("Level"));
    FillLevelChoice(*cbLevel, main_.Levels(), Level::Surface);
    chkConfirmedOnly = AddOption(hex_data, "Confirmed only", "chkConfirmedOnly", false);
    auto* first = new QVBoxLayout();
    first->addLayout(place);
    first->addWidget(cbLevel);
    first->addWidget(chkConfirmedOnly);
    first->addStretch(1);

    auto* second = new QVBoxLayout();
    chkExportProvince = AddOption(hex_data, "Export Province", "chkExportProvince", true);
    chkExportPeasants = AddOption(hex_data, "Export Peasants", "chkExportPeasants", true);
    chkExportCities = AddOption(hex_data, "Export Cities", "chkExportCities", true);
    chkExportTax = AddOption(hex_data, "Export Tax Base", "chkExportTax", true);
    chkExportWages = AddOption(hex_data, "Export Wages", "chkExportWages", true);
    chkExportEntertainment = AddOption(hex_data, "Export Entertainment", "chkExportEntertainment", true);
    for (QCheckBox* box : {chkExportProvince, chkExportPeasants, chkExportCities, chkExportTax, chkExportWages,
                           chkExportEntertainment})
        second->addWidget(box);
    second->addStretch(1);
    auto* third = new QVBoxLayout();
    chkExportForSale = AddOption(hex_data, "Export Items for Sale", "chkExportForSale", true);
    chkExportWanted = AddOption(hex_data, "Export Items Wanted", "chkExportWanted", true);
    chkExportProducts = AddOption(hex_data, "Export Products", "chkExportProducts", true);
    chkExportGates = AddOption(hex_data, "Export Gates", "chkExportGates", false);
    chkExportStructures = AddOption(hex_data, "Export Structures", "chkExportStructures", false);
    chkExportUnits = AddOption(hex_data, "Export Units", "chkExportUnits", false);
    for (QCheckBox* box :
         {chkExportForSale, chkExportWanted, chkExportProducts, chkExportGates, chkExportStructures, chkExportUnits})
        third->addWidget(box);
    third->addStretch(1);
    auto* hex_layout = new QHBoxLayout(hex_data);
    hex_layout->addLayout(first);
    hex_layout->addLayout(second);
    hex_layout->addLayout(third);

    // What a unit section carries matters only when units are written.
    pnlUnitData = new QGroupBox(QStringLiteral("Unit Data"), this);
    pnlUnitData->setObjectName(QStringLiteral("pnlUnitData"));
    chkExpUnitFaction = AddOption(pnlUnitData, "Export Faction", "chkExpUnitFaction", false);
    chkExpUnitItems = AddOption(pnlUnitData, "Export Items", "chkExpUnitItems", false);
    chkExpUnitTroops = AddOption(pnlUnitData, "Export Troops", "chkExpUnitTroops", false);
    chkExpUnitSkills = AddOption(pnlUnitData, "Export Skills", "chkExpUnitSkills", false);
    chkExpUnitFlags = AddOption(pnlUnitData, "Export Flags", "chkExpUnitFlags", false);
    chkExpUnitCombatSpell = AddOption(pnlUnitData, "Export Combat Spell", "chkExpUnitCombatSpell", false);
    // The file format has no place for the combat spell.
    chkExpUnitCombatSpell->setEnabled(false);
    auto* unit_layout = new QGridLayout(pnlUnitData);
    QCheckBox* const unit_boxes[] = {chkExpUnitFaction, chkExpUnitItems, chkExpUnitTroops,
                                     chkExpUnitSkills,  chkExpUnitFlags, chkExpUnitCombatSpell};
    for (int i = 0; i < 6; ++i) unit_layout->addWidget(unit_boxes[i], i % 2, i / 2);
    pnlUnitData->setEnabled(false);
    connect(chkExportUnits, &QCheckBox::toggled, pnlUnitData, &QWidget::setEnabled);

    auto* file_panel = new QGroupBox(QStringLiteral("Export to File"), this);
    file_panel->setObjectName(QStringLiteral("pnlExportFile"));
    pnlFile = new QLabel(file_panel);
    pnlFile->setObjectName(QStringLiteral("pnlFile"));
    pnlFile->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlFile->setAccessibleName(QStringLiteral("Export to File"));
    pnlFile->setMinimumWidth(100);
    pnlFile->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    btnSelectFile = new QPushButton(QStringLiteral("..."), file_panel);
    btnSelectFile->setObjectName(QStringLiteral("btnSelectFile"));
    btnSelectFile->setAccessibleName(QStringLiteral("Select export file"));
    btnSelectFile->setFixedWidth(30);
    btnSelectFile->setAutoDefault(false);
    connect(btnSelectFile, &QPushButton::clicked, this, &TfrmExportData::btnSelectFileClick);
    auto* file_layout = new QHBoxLayout(file_panel);
    file_layout->addWidget(pnlFile, 1);
    file_layout->addWidget(btnSelectFile);

    btnExport = new QPushButton(QStringLiteral("&Export"), this);
    btnExport->setObjectName(QStringLiteral("btnExport"));
    btnExport->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    connect(btnExport, &QPushButton::clicked, this, &TfrmExportData::btnExportClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(btnExport);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hex_data);
    layout->addWidget(pnlUnitData);
    layout->addWidget(file_panel);
    layout->addLayout(buttons);
    resize(395, 319);
}

QCheckBox* TfrmExportData::AddOption(QWidget* panel, const char* caption, const char* name, bool on) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), panel);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(on);
    return box;
}

bool TfrmExportData::Execute(const TVelMain& main, QWidget* parent) {
    TfrmExportData dialog(main, parent);
    CentreForm(&dialog, parent);
    return dialog.exec() == QDialog::Accepted;
}

MapExportOptions TfrmExportData::Options() const {
    MapExportOptions options;
    options.Where = LevelOfChoice(*cbLevel, cbLevel->currentIndex());
    const TVelHexList& level = main_.HexesOf(options.Where);
    options.StartX = Coordinate(edStartX).value_or(0);
    options.StartY = Coordinate(edStartY).value_or(0);
    options.EndX = Coordinate(edEndX).value_or(level.MaxX());
    options.EndY = Coordinate(edEndY).value_or(level.MaxY());
    options.ConfirmedOnly = chkConfirmedOnly->isChecked();
    options.ExportProvince = chkExportProvince->isChecked();
    options.ExportPeasants = chkExportPeasants->isChecked();
    options.ExportCities = chkExportCities->isChecked();
    options.ExportTax = chkExportTax->isChecked();
    options.ExportWages = chkExportWages->isChecked();
    options.ExportEntertainment = chkExportEntertainment->isChecked();
    options.ExportForSale = chkExportForSale->isChecked();
    options.ExportWanted = chkExportWanted->isChecked();
    options.ExportProducts = chkExportProducts->isChecked();
    options.ExportGates = chkExportGates->isChecked();
    options.ExportStructures = chkExportStructures->isChecked();
    options.ExportUnits = chkExportUnits->isChecked();
    options.ExpUnitFaction = chkExpUnitFaction->isChecked();
    options.ExpUnitItems = chkExpUnitItems->isChecked();
    options.ExpUnitTroops = chkExpUnitTroops->isChecked();
    options.ExpUnitSkills = chkExpUnitSkills->isChecked();
    options.ExpUnitFlags = chkExpUnitFlags->isChecked();
    return options;
}

void TfrmExportData::btnSelectFileClick() {
    const QString name = Prompts().SaveFileName(this, QStringLiteral("Export to File"), pnlFile->text(),
                                                QStringLiteral("Text Files (*.txt);;All Files (*.*)"),
                                                QStringLiteral("txt"));
    if (name.isEmpty()) return;
    pnlFile->setText(name);
    pnlFile->setToolTip(name);
}

void TfrmExportData::btnExportClick() {
    if (pnlFile->text().isEmpty()) {
        Prompts().ShowError(this, QStringLiteral("Please select an export file."));
        return;
    }
    const MapExportOptions options = Options();
    const std::string file = FromQString(pnlFile->text());
    // A failed write is shown and the window stays open for another file.
    const bool written = RunWithBusyCursor(this, [&] { WriteWholeFile(file, ExportMapData(main_, options)); });
    if (!written) return;
    Prompts().ShowInformation(this, ToQString(kExportCompletedMessage));
    accept();
}

}  // namespace hexwarden
