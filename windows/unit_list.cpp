#include "windows/unit_list.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/database.h"
#include "windows/accessible_names.h"
#include "windows/busy_cursor.h"
#include "windows/centre_form.h"
#include "windows/information_windows.h"
#include "windows/list_rows.h"
#include "windows/selected_records.h"

namespace hexwarden {
namespace {

enum UnitColumn { kUnitId, kFaction, kUnitName, kSize, kHex };

std::vector<ListColumn> UnitColumns() {
    return {{QStringLiteral("Unit ID"), 50, SortKind::Number},
            {QStringLiteral("Faction"), 50, SortKind::Number},
            {QStringLiteral("Unit Name"), 200, SortKind::Text},
            {QStringLiteral("Size"), 50, SortKind::Number},
            {QStringLiteral("Hex"), 60, SortKind::Ordered}};
}

}  // namespace

std::vector<UnitKey> UnitKeysOf(const std::vector<const TVelUnit*>& units) {
    std::vector<UnitKey> keys;
    keys.reserve(units.size());
    for (const TVelUnit* unit : units) keys.push_back(UnitKey::Of(*unit));
    return keys;
}

TfrmUnitList::TfrmUnitList(InformationWindows& windows, QWidget* parent, Mode mode, const QString& caption,
                           std::optional<std::vector<UnitKey>> units)
    : TfrmTBasicList(parent, UnitColumns()),
      windows_(windows),
      mode_(mode),
      units_(std::move(units)),
      pmUnits_(new QMenu(this)) {
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Unit List") : caption);
    NameAfterCaption(&treeList(), QStringLiteral("Units"));
    treeList().SetTreeColumn(kUnitName);

    edFilter_ = AddFilter(QStringLiteral("Filter by number, name or faction"), {kUnitId, kFaction, kUnitName});

    QPushButton* close = AddButton(QStringLiteral("&Close"), "btnClose");
    QPushButton* view = AddButton(QStringLiteral("&View"), "btnView");
    QPushButton* select = AddButton(QStringLiteral("&Select"), "btnSelect");
    select->setVisible(mode_ == Mode::Selecting);
    // Picking returns one unit.
    if (mode_ == Mode::Selecting) treeList().setSelectionMode(QAbstractItemView::SingleSelection);
    EnableWhileSelected(treeList(), view);
    EnableWhileSelected(treeList(), select);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(view, &QPushButton::clicked, this, &TfrmUnitList::ViewSelected);
    connect(select, &QPushButton::clicked, this, &TfrmUnitList::AcceptSelected);
    connect(&treeList(), &TTreeList::RowChosen, this, [this] {
        if (mode_ == Mode::Viewing) ViewSelected();
        else AcceptSelected();
    });

    QAction* view_unit = pmUnits_->addAction(QStringLiteral("&View Unit"));
    view_unit->setObjectName(QStringLiteral("mnuViewUnit"));
    connect(view_unit, &QAction::triggered, this, &TfrmUnitList::ViewSelected);
    EnableWhileSelected(treeList(), view_unit);
    treeList().setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&treeList(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        pmUnits_->popup(treeList().viewport()->mapToGlobal(at));
    });

    // The rows hold copies and keys only, so nothing needs letting go before a change.
    connect(&windows_.Notice(), &TRecordsNotice::RecordsChanged, this, &TfrmUnitList::Refill);
    Refill();
    FitWidthToColumns(450);
}

void TfrmUnitList::ShowUnits(InformationWindows& windows, QWidget* parent, const QString& caption,
                             std::vector<UnitKey> units) {
    TfrmUnitList list(windows, parent, Mode::Viewing, caption, std::move(units));
    CentreForm(&list, parent);
    list.exec();
}

std::optional<UnitKey> TfrmUnitList::SelectUnit(InformationWindows& windows, QWidget* parent, const QString& caption,
                                                std::optional<std::vector<UnitKey>> units) {
    TfrmUnitList list(windows, parent, Mode::Selecting, caption, std::move(units));
    CentreForm(&list, parent);
    if (list.exec() != QDialog::Accepted) return std::nullopt;
    return list.Selected();
}

void TfrmUnitList::Refill() {
    RunWithBusyCursor(this, [this] {
        const TVelMain& main = windows_.Main();
        const bool with_troops = mode_ == Mode::Viewing;
        std::vector<ListRow> rows;
        const auto add = [&](const TVelUnit& unit) {
            ListRow row = UnitRow(main, unit, true, with_troops);
            row.Cells.push_back(UnitPlaceCell(unit));
            rows.push_back(std::move(row));
        };
        if (units_) {
            rows.reserve(units_->size());
            for (const UnitKey& key : *units_) {
                if (const TVelUnit* unit = key.Find(main)) add(*unit);
            }
        } else {
            rows.reserve(static_cast<size_t>(main.Units.Count()));
            for (int32_t i = 0; i < main.Units.Count(); ++i) add(*main.Units.Get(i));
        }
        treeList().Fill(std::move(rows), kUnitId);
    });
}

std::optional<UnitKey> TfrmUnitList::Selected() const { return treeList().SelectedKey<UnitKey>(); }

void TfrmUnitList::ViewSelected() {
    OpenSelectedRecords<UnitKey>(treeList(), this, [this](const UnitKey& key) { windows_.ShowUnit(key, this); });
}

void TfrmUnitList::AcceptSelected() {
    if (Selected()) accept();
}

}  // namespace hexwarden
