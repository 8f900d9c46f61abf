#include "windows/hex_window.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <limits>

#include "model/database.h"
#include "qt_surface/qt_text.h"
#include "windows/level_title.h"
#include "windows/accessible_names.h"
#include "windows/editor_text.h"
#include "windows/information_windows.h"
#include "windows/month_preview.h"
#include "windows/month_text.h"
#include "windows/records_notice.h"
#include "windows/unit_list_menu.h"

namespace hexwarden {
namespace {

constexpr int kUnitIdColumn = 0;
constexpr int kQtyColumn = 1;

QString TerrainAndProvince(const TVelHex& hex) {
    return ToQString(hex.TerrainName()) + QStringLiteral(" in ") + ToQString(hex.ProvinceName());
}

QString SettlementText(const TVelHex& hex) {
    return ToQString(hex.SettlementName) + QStringLiteral(" [") + ToQString(SettlementSizeName(hex.SettlementSize)) +
           QLatin1Char(']');
}

// A market list: one row per item in list order, "Unlimited" for an unlimited amount.
std::vector<ListRow> MarketRows(const TVelItemList& items, bool with_price) {
    std::vector<ListRow> rows;
    for (const TVelItem* item : items) {
        ListRow row;
        row.Cells.push_back(TextCell(ToQString(items.DisplayName(*item))));
        // Unlimited sorts above every amount.
        row.Cells.push_back(item->Count == -1
                                ? NumberCell(QStringLiteral("Unlimited"), std::numeric_limits<int64_t>::max())
                                : NumberCell(item->Count));
        if (with_price) row.Cells.push_back(NumberCell(item->Price));
        rows.push_back(std::move(row));
    }
    return rows;
}

TTreeList* MakeMarketList(const QString& heading, int width, bool with_price, const char* name) {
    std::vector<ListColumn> columns = {{heading, width, SortKind::Text}, {QStringLiteral("Qty"), 50, SortKind::Number}};
    if (with_price) columns.push_back({QStringLiteral("Price"), 50, SortKind::Number});
    auto* list = new TTreeList(std::move(columns));
    list->setObjectName(QString::fromLatin1(name));
    NameAfterCaption(list, heading);
    list->FitColumnsToWidth(0);
    return list;
}

}  // namespace

QString HexMenuCaption(const TVelHex& hex) {
    QString caption = QStringLiteral("%1, %2").arg(hex.X).arg(hex.Y);
    if (hex.Where == Level::Underworld) caption += QLatin1Char('*');
    else if (!hex.Where.IsSurface()) caption += QLatin1Char(' ') + LevelTitle(hex.Where);
    if (hex.SettlementSize != 0) return caption + QLatin1Char(' ') + SettlementText(hex);
    return caption + QLatin1Char(' ') + TerrainAndProvince(hex);
}

QString HexWindowCaption(const TVelHex& hex) {
    QString caption = hex.Where.IsSurface() ? QStringLiteral("[") : QLatin1Char('[') + LevelTitle(hex.Where) + QLatin1Char(' ');
    caption += QStringLiteral("%1, %2] ").arg(hex.X).arg(hex.Y) + TerrainAndProvince(hex);
    if (!hex.Confirmed) caption += QStringLiteral(" (Unconfirmed)");
    if (hex.SettlementSize != 0) caption += QStringLiteral(": ") + SettlementText(hex);
    return caption;
}

TfrmHexInfo::TfrmHexInfo(InformationWindows& windows, const HexKey& key) : TfrmRecordWindow(windows), key_(key) {
    setObjectName(QStringLiteral("frmHexInfo"));
    auto* splitter = new QSplitter(Qt::Vertical, pnlTTop());
    splitter->setChildrenCollapsible(false);
    QWidget* upper = BuildUpperPanel();
    splitter->addWidget(upper);
    splitter->addWidget(BuildLowerPanel());
    splitter->setStretchFactor(1, 1);
    lblNextMonth_ = new QLabel;
    lblNextMonth_->setObjectName(QStringLiteral("lblNextMonth"));
    lblNextMonth_->setWordWrap(true);
    lblNextMonth_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    NameAfterCaption(lblNextMonth_, QStringLiteral("Next month"));
    auto* layout = new QVBoxLayout(pnlTTop());
    layout->setContentsMargins(2, 4, 2, 0);
    layout->addWidget(splitter);
    layout->addWidget(lblNextMonth_);
    connect(&windows.Notice(), &TRecordsNotice::PreviewChanged, this, &TfrmHexInfo::FillNextMonth);
    connect(AddButton(QStringLiteral("&Close"), "btnClose"), &QPushButton::clicked, this, &QWidget::close);
    setFixedWidth(665);
    setMinimumHeight(250);
    resize(665, 460);
    // The upper panel takes what its values and a few market rows need; the units get the rest.
    constexpr int kMarketRowsShown = 5;
    const int upper_height = upper->layout()->itemAt(0)->sizeHint().height() + upper->layout()->spacing() +
                             lstWanted_->HeightForRows(kMarketRowsShown);
    splitter->setSizes({upper_height, height() - upper_height});
}

QWidget* TfrmHexInfo::BuildUpperPanel() {
    auto* panel = new QWidget;
    panel->setMinimumHeight(130);
    auto* values = new QGridLayout;
    values->setHorizontalSpacing(8);
    const auto add_value = [&](const QString& caption, int row, int column) {
        auto* value = new QLabel;
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        NameAfterCaption(value, caption);
        values->addWidget(new QLabel(caption), row, column);
        values->addWidget(value, row, column + 1);
        return value;
    };
    lblPeasants_ = add_value(QStringLiteral("Peasants"), 0, 0);
    lblTaxBase_ = add_value(QStringLiteral("Tax Base"), 1, 0);
    lblEntertainment_ = add_value(QStringLiteral("Entertainment"), 2, 0);
    lblLastReport_ = add_value(QStringLiteral("Last Report"), 0, 2);
    lblWages_ = add_value(QStringLiteral("Wages"), 1, 2);
    lblMaxWages_ = add_value(QStringLiteral("Max. Wages"), 2, 2);
    values->setColumnStretch(1, 1);
    values->setColumnStretch(3, 1);

    grpGate_ = new QGroupBox(QStringLiteral("Gate"));
    lblGate_ = new QLabel;
    lblGate_->setAlignment(Qt::AlignCenter);
    NameAfterCaption(lblGate_, QStringLiteral("Gate"));
    (new QVBoxLayout(grpGate_))->addWidget(lblGate_);
    grpGate_->setFixedSize(60, 50);

    edNotes_ = new QPlainTextEdit;
    edNotes_->setObjectName(QStringLiteral("edNotes"));
    edNotes_->setAccessibleName(QStringLiteral("edNotes"));
    edNotes_->setPlaceholderText(QStringLiteral("Notes"));
    edNotes_->setTabChangesFocus(true);
    // As tall as the values beside it: the room below them goes to the lists.
    edNotes_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);

    // The values stay together at the top however tall the panel is.
    auto* values_column = new QVBoxLayout;
    values_column->addLayout(values);
    values_column->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(values_column, 3);
    top->addWidget(grpGate_, 0, Qt::AlignTop);
    top->addWidget(edNotes_, 2);

    lstWanted_ = MakeMarketList(QStringLiteral("Items Wanted"), 105, true, "lstWanted");
    lstForSale_ = MakeMarketList(QStringLiteral("Items for Sale"), 110, true, "lstForSale");
    lstProducts_ = MakeMarketList(QStringLiteral("Products"), 110, false, "lstProducts");
    auto* markets = new QHBoxLayout;
    markets->addWidget(lstWanted_, 205);
    markets->addWidget(lstForSale_, 210);
    markets->addWidget(lstProducts_, 160);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(markets, 1);
    return panel;
}

QWidget* TfrmHexInfo::BuildLowerPanel() {
    auto* panel = new QWidget;
    panel->setMinimumHeight(90);
    lstStructures_ = new TTreeList({{QStringLiteral("ID"), 40, SortKind::Number},
                                    {QStringLiteral("Name"), 160, SortKind::Text},
                                    {QStringLiteral("Type"), 50, SortKind::Text}});
    lstStructures_->setObjectName(QStringLiteral("lstStructures"));
    lstStructures_->setAccessibleName(QStringLiteral("Structures"));
    lstStructures_->SetTreeColumn(1);
    lstStructures_->FitColumnsToWidth(1);
    lstUnits_ = new TTreeList({{QStringLiteral("Unit ID"), 50, SortKind::Number},
                               {QStringLiteral("Faction"), 50, SortKind::Number},
                               {QStringLiteral("Unit Name"), 200, SortKind::Text},
                               {QStringLiteral("Size"), 50, SortKind::Number}});
    lstUnits_->setObjectName(QStringLiteral("lstUnits"));
    lstUnits_->setAccessibleName(QStringLiteral("Units"));
    lstUnits_->SetTreeColumn(2);
    lstUnits_->FitColumnsToWidth(2);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 3);
    layout->setSpacing(4);
    // Both lists cut long names rather than scroll sideways; the units list has more columns.
    layout->addWidget(lstStructures_, 2);
    layout->addWidget(lstUnits_, 3);

    QMenu* pmUnits = AddUnitListMenu(*lstUnits_, Windows(), this);
    pmUnits->addSeparator();
    mnuShowMyUnits_ = pmUnits->addAction(QStringLiteral("&Show my units only"));
    mnuShowMyUnits_->setCheckable(true);
    connect(mnuShowMyUnits_, &QAction::toggled, this, [this] {
        if (const TVelHex* hex = key_.Find(Main())) FillUnits(*hex);
    });

    pmStructures_ = new QMenu(this);
    mnuStructureViewUnit_ =
        pmStructures_->addAction(QStringLiteral("View &Unit"), this, &TfrmHexInfo::mnuStructureViewUnitClick);
    mnuViewStructure_ =
        pmStructures_->addAction(QStringLiteral("View &Structure"), this, &TfrmHexInfo::mnuViewStructureClick);
    lstStructures_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstStructures_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        mnuStructureViewUnit_->setEnabled(lstStructures_->ChildSelected() &&
                                          lstStructures_->indexAt(at).parent().isValid());
        mnuViewStructure_->setEnabled(lstStructures_->CurrentRow() != nullptr);
        pmStructures_->popup(lstStructures_->viewport()->mapToGlobal(at));
    });
    connect(lstStructures_, &TTreeList::RowChosen, this, [this] {
        if (lstStructures_->ChildSelected()) {
            mnuStructureViewUnitClick();
        } else {
            mnuViewStructureClick();
        }
    });
    return panel;
}

void TfrmHexInfo::FillNextMonth() {
    const TMonthPreview* preview = Windows().Preview;
    const QString text = preview != nullptr ? HexMonthText(preview->Units(), preview->Markets(), Place{key_.X, key_.Y, key_.Where}, preview->Rules())
                                            : QString();
    ShowValue(lblNextMonth_, text);
    lblNextMonth_->setText(QStringLiteral("Next month: ") + text);
    lblNextMonth_->setVisible(!text.isEmpty());
}

bool TfrmHexInfo::Refill() {
    const TVelHex* hex = key_.Find(Main());
    if (hex == nullptr) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setWindowTitle(HexWindowCaption(*hex));
    menu_caption_ = HexMenuCaption(*hex);
    ShowValue(lblLastReport_, hex->Turn > 0 ? QStringLiteral("Turn %1").arg(hex->Turn) : QStringLiteral("--"));
    const TVelItem* first_peasants = hex->Peasants.Count() > 0 ? hex->Peasants.Get(0) : nullptr;
    ShowValue(lblPeasants_, first_peasants != nullptr ? QString::number(first_peasants->Count) + QLatin1Char(' ') +
                                                          ToQString(hex->Peasants.DisplayName(*first_peasants))
                                                    : QStringLiteral("None"));
    ShowValue(lblTaxBase_, QString::number(hex->TaxBase));
    ShowValue(lblWages_, QString::number(hex->Wages));
    ShowValue(lblMaxWages_, QString::number(hex->MaxWages));
    ShowValue(lblEntertainment_, QString::number(hex->Entertainment));
    filled_notes_ = ToEditorText(hex->Notes);
    ShowText(*edNotes_, filled_notes_);
    filled_notes_ = edNotes_->toPlainText();
    grpGate_->setVisible(hex->Gate >= 0);
    ShowValue(lblGate_, QString::number(hex->Gate));
    lstWanted_->Fill(MarketRows(hex->Wanted, true), kQtyColumn);
    lstForSale_->Fill(MarketRows(hex->ForSale, true), kQtyColumn);
    lstProducts_->Fill(MarketRows(hex->Products, false), kQtyColumn);
    FillUnits(*hex);
    FillNextMonth();
    FillStructures(*hex);
    QApplication::restoreOverrideCursor();
    return true;
}

void TfrmHexInfo::FillUnits(const TVelHex& hex) {
    const TVelMain& main = Main();
    const bool mine_only = mnuShowMyUnits_->isChecked();
    std::vector<ListRow> rows;
    const auto add = [&](const TVelUnitList& units) {
        for (const TVelUnit* unit : units) {
            if (!mine_only || unit->Faction == main.FactionNumber) rows.push_back(UnitRow(main, *unit, true, true));
        }
    };
    add(hex.Units);
    for (const auto& structure : hex.Structures) add(structure->Units);
    lstUnits_->Fill(std::move(rows), kUnitIdColumn);
}

void TfrmHexInfo::FillStructures(const TVelHex& hex) {
    std::vector<ListRow> rows;
    for (const auto& structure : hex.Structures) {
        ListRow row;
        row.Key = StructureKey{key_, structure->Number};
        row.Cells = {NumberCell(structure->Number),
                     TextCell(structure->Name.empty() ? QStringLiteral("<unnamed>") : ToQString(structure->Name)),
                     TextCell(ToQString(structure->Kind))};
        for (const TVelUnit* unit : structure->Units) {
            ListRow unit_row;
            unit_row.Key = UnitKey::Of(*unit);
            unit_row.Cells = {TextCell(QString()),
                              TextCell(ToQString(unit->Name) + QStringLiteral(" (%1)").arg(unit->Number)),
                              TextCell(QString())};
            row.Children.push_back(std::move(unit_row));
        }
        rows.push_back(std::move(row));
    }
    lstStructures_->Fill(std::move(rows), kUnitIdColumn);
}

bool TfrmHexInfo::WriteBack() {
    const QString notes = edNotes_->toPlainText();
    if (notes == filled_notes_) return false;
    TVelHex* hex = key_.Find(Main());
    if (hex == nullptr) return false;
    hex->Notes = FromEditorText(notes);
    filled_notes_ = notes;
    return true;
}

void TfrmHexInfo::mnuViewStructureClick() {
    if (const std::optional<StructureKey> structure = lstStructures_->SelectedKey<StructureKey>()) {
        Windows().ShowStructure(*structure, this);
    }
}

void TfrmHexInfo::mnuStructureViewUnitClick() {
    if (!lstStructures_->ChildSelected()) return;
    if (const std::optional<UnitKey> unit = lstStructures_->SelectedKey<UnitKey>()) Windows().ShowUnit(*unit, this);
}

}  // namespace hexwarden
