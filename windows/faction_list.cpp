#include "windows/faction_list.h"

#include <QPushButton>

#include "model/database.h"
#include "qt_surface/qt_text.h"
#include "windows/accessible_names.h"
#include "windows/centre_form.h"
#include "windows/information_windows.h"
#include "windows/list_rows.h"
#include "windows/selected_records.h"

namespace hexwarden {
namespace {

enum FactionColumn { kId, kName, kColour };

}  // namespace

TfrmFactionList::TfrmFactionList(InformationWindows& windows, QWidget* parent, Mode mode)
    : TfrmTBasicList(parent, {{QStringLiteral("ID"), 50, SortKind::Number},
                              {QStringLiteral("Name"), 150, SortKind::Text},
                              {QStringLiteral("Colour"), 45, SortKind::Number}}),
      windows_(windows),
      mode_(mode) {
    setWindowTitle(QStringLiteral("Factions"));
    NameAfterCaption(&treeList(), QStringLiteral("Factions"));

    QPushButton* select = AddButton(QStringLiteral("&Select"), "btnSelect");
    QPushButton* close = AddButton(QStringLiteral("&Close"), "btnClose");
    QPushButton* view = AddButton(QStringLiteral("&View"), "btnView");
    select->setVisible(mode_ == Mode::Selecting);
    view->setVisible(mode_ == Mode::Viewing);
    // Picking returns one faction.
    if (mode_ == Mode::Selecting) treeList().setSelectionMode(QAbstractItemView::SingleSelection);
    EnableWhileSelected(treeList(), view);
    EnableWhileSelected(treeList(), select);
    connect(select, &QPushButton::clicked, this, &TfrmFactionList::AcceptSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(view, &QPushButton::clicked, this, &TfrmFactionList::ViewSelected);
    connect(&treeList(), &TTreeList::RowChosen, this, [this] {
        if (mode_ == Mode::Viewing) ViewSelected();
        else AcceptSelected();
    });
    // The rows hold copies and keys only, so nothing needs letting go before a change.
    connect(&windows_.Notice(), &TRecordsNotice::RecordsChanged, this, &TfrmFactionList::Refill);
    Refill();
    FitWidthToColumns(286);
}

void TfrmFactionList::ShowFactions(InformationWindows& windows, QWidget* parent) {
    TfrmFactionList list(windows, parent, Mode::Viewing);
    CentreForm(&list, parent);
    list.exec();
}

std::optional<FactionKey> TfrmFactionList::SelectFaction(InformationWindows& windows, QWidget* parent) {
    TfrmFactionList list(windows, parent, Mode::Selecting);
    CentreForm(&list, parent);
    if (list.exec() != QDialog::Accepted) return std::nullopt;
    return list.Selected();
}

void TfrmFactionList::Refill() {
    std::vector<ListRow> rows;
    for (const auto& faction : windows_.Main().Factions) {
        rows.push_back({FactionKey{faction->Number},
                        {NumberCell(faction->Number), TextCell(ToQString(faction->Name)), SwatchCell(faction->Colour)},
                        {}});
    }
    treeList().Fill(std::move(rows), kId);
}

std::optional<FactionKey> TfrmFactionList::Selected() const { return treeList().SelectedKey<FactionKey>(); }

void TfrmFactionList::ViewSelected() {
    OpenSelectedRecords<FactionKey>(treeList(), this,
                                    [this](const FactionKey& key) { windows_.ShowFaction(key, this); });
}

void TfrmFactionList::AcceptSelected() {
    if (Selected()) accept();
}

}  // namespace hexwarden
