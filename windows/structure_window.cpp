#include "windows/structure_window.h"

#include <QAction>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/building.h"
#include "model/database.h"
#include "qt_surface/qt_text.h"
#include "windows/accessible_names.h"
#include "windows/unit_list_menu.h"
#include "windows/information_windows.h"
#include "windows/list_rows.h"
#include "windows/tree_list.h"

namespace hexwarden {
namespace {

enum StructureUnitColumn { kUnitId, kFaction, kUnitName, kSize };

}  // namespace

TfrmStructure::TfrmStructure(InformationWindows& windows, const StructureKey& key)
    : TfrmRecordWindow(windows),
      key_(key),
      caption_(QStringLiteral("Structure")),
      btnOwner_(new QPushButton(QStringLiteral("---"), pnlTTop())),
      lblOwner_(new QLabel(QStringLiteral("No Owner"), pnlTTop())),
      lblType_(new QLabel(pnlTTop())),
      lblNeedsCaption_(new QLabel(QStringLiteral("Needs"), pnlTTop())),
      lblNeeds_(new QLabel(pnlTTop())),
      edDescription_(new QPlainTextEdit(pnlTTop())),
      lstUnits_(new TTreeList({{QStringLiteral("Unit ID"), 50, SortKind::Number},
                               {QStringLiteral("Faction"), 50, SortKind::Number},
                               {QStringLiteral("Unit Name"), 200, SortKind::Text},
                               {QStringLiteral("Size"), 50, SortKind::Number}},
                              pnlTTop())) {
    setWindowTitle(caption_);
    setFixedWidth(390);
    resize(390, 380);
    btnOwner_->setObjectName(QStringLiteral("btnOwner"));
    lblOwner_->setObjectName(QStringLiteral("lblOwner"));
    lblType_->setObjectName(QStringLiteral("lblType"));
    lblNeeds_->setObjectName(QStringLiteral("lblNeeds"));
    edDescription_->setObjectName(QStringLiteral("edDescription"));
    lstUnits_->setObjectName(QStringLiteral("lstUnits"));
    lstUnits_->SetTreeColumn(kUnitName);
    // The window's width is fixed: the names take what the other columns leave.
    lstUnits_->header()->setSectionResizeMode(kUnitName, QHeaderView::Stretch);

    btnOwner_->setFlat(true);
    btnOwner_->setAutoDefault(false);
    btnOwner_->setFixedWidth(50);
    edDescription_->setReadOnly(true);
    edDescription_->setFixedHeight(64);
    NameAfterCaption(btnOwner_, QStringLiteral("Owned By"));
    NameAfterCaption(lblOwner_, QStringLiteral("Owner"));
    NameAfterCaption(lblType_, QStringLiteral("Type"));
    NameAfterCaption(lblNeeds_, QStringLiteral("Needs"));
    NameAfterCaption(edDescription_, QStringLiteral("Description"));
    NameAfterCaption(lstUnits_, QStringLiteral("Units"));

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setColumnStretch(2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Owned By"), pnlTTop()), 0, 0);
    fields->addWidget(btnOwner_, 0, 1);
    fields->addWidget(lblOwner_, 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("Type"), pnlTTop()), 1, 0);
    fields->addWidget(lblType_, 1, 1, 1, 2);
    fields->addWidget(lblNeedsCaption_, 2, 0);
    fields->addWidget(lblNeeds_, 2, 1, 1, 2);
    auto* description = new QLabel(QStringLiteral("Description"), pnlTTop());
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fields->addWidget(description, 3, 0);
    fields->addWidget(edDescription_, 3, 1, 1, 2);

    auto* layout = new QVBoxLayout(pnlTTop());
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(fields);
    layout->addWidget(lstUnits_, 1);

    connect(btnOwner_, &QPushButton::clicked, this, [this] {
        if (owner_ >= 1) Windows().ShowFaction(FactionKey{owner_}, this);
    });
    QMenu* menu = AddUnitListMenu(*lstUnits_, windows, this);
    menu->addSeparator();
    mnuShowMyUnits_ = menu->addAction(QStringLiteral("&Show my units only"));
    mnuShowMyUnits_->setObjectName(QStringLiteral("mnuShowMyUnits"));
    mnuShowMyUnits_->setCheckable(true);
    connect(mnuShowMyUnits_, &QAction::toggled, this, &TfrmStructure::FillUnits);
    connect(AddButton(QStringLiteral("&Close"), "btnClose"), &QPushButton::clicked, this, &QWidget::close);
}

bool TfrmStructure::Refill() {
    const TVelBuilding* building = key_.Find(Main());
    if (building == nullptr) return false;
    caption_ = NumberedName(building->Number, building->Name);
    setWindowTitle(QStringLiteral("[%1]  ").arg(building->Number) + ToQString(building->Name));

    owner_ = building->OwnerFaction();
    if (owner_ < 0) {
        ShowValue(btnOwner_, QStringLiteral("---"));
        ShowValue(lblOwner_, QStringLiteral("No Owner"));
    } else if (owner_ == 0) {
        ShowValue(btnOwner_, QStringLiteral("???"));
        ShowValue(lblOwner_, QStringLiteral("<Unknown Faction>"));
    } else {
        ShowValue(btnOwner_, QString::number(owner_));
        const TVelFaction* faction = Main().Factions.FindByNumber(owner_);
        ShowValue(lblOwner_, faction != nullptr ? ToQString(faction->Name) : QStringLiteral("<Unknown Faction>"));
    }
    // Only a known owner can be opened; the button says so by taking no focus otherwise.
    btnOwner_->setFocusPolicy(owner_ >= 1 ? Qt::StrongFocus : Qt::NoFocus);

    ShowValue(lblType_, ToQString(building->Kind));
    edDescription_->setPlainText(ToQString(building->Description));
    const bool needs = building->Needs >= 1;
    lblNeedsCaption_->setVisible(needs);
    lblNeeds_->setVisible(needs);
    ShowValue(lblNeeds_, needs ? QString::number(building->Needs) : QString());
    FillUnits();
    return true;
}

void TfrmStructure::FillUnits() {
    const TVelBuilding* building = key_.Find(Main());
    if (building == nullptr) return;
    const bool mine_only = mnuShowMyUnits_->isChecked();
    std::vector<ListRow> rows;
    for (const TVelUnit* unit : building->Units) {
        if (mine_only && unit->Faction != Main().FactionNumber) continue;
        rows.push_back(UnitRow(Main(), *unit, true, true));
    }
    lstUnits_->Fill(std::move(rows), kUnitId);
}

}  // namespace hexwarden
