#include "windows/unit_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "model/database.h"
#include "orders/orders_database.h"
#include "qt_surface/qt_text.h"
#include "windows/accessible_names.h"
#include "windows/compact_tabs.h"
#include "windows/editor_text.h"
#include "windows/faction_list.h"
#include "windows/information_windows.h"
#include "windows/list_rows.h"
#include "windows/month_preview.h"
#include "windows/month_text.h"
#include "windows/next_month_page.h"
#include "windows/orders_highlighter.h"
#include "windows/orders_report.h"
#include "windows/position_history.h"
#include "windows/tree_list.h"

namespace hexwarden {
namespace {

struct FlagMark {
    const char* Caption;
    const char* Name;
    UnitFlag Flag;
};

constexpr std::array<FlagMark, 8> kFlagMarks = {{
    {"Avoiding", "chkAvoiding", UnitFlag::Avoiding},
    {"Behind", "chkBehind", UnitFlag::Behind},
    {"Reveal Unit", "chkRevealUnit", UnitFlag::RevealUnit},
    {"Reveal Faction", "chkRevealFaction", UnitFlag::RevealFaction},
    {"On Guard", "chkOnGuard", UnitFlag::OnGuard},
    {"Holding", "chkHolding", UnitFlag::Holding},
    {"Receive No Aid", "chkNoAid", UnitFlag::NoAid},
    {"Autotax", "chkAutotax", UnitFlag::Autotax},
}};

constexpr int kAmountColumn = 2;
constexpr int kCodeColumn = 1;
constexpr int kOrdersPage = 0;
constexpr int kNextMonthPage = 1;
constexpr int kEventsPage = 4;

QToolButton* MakeButton(const QString& caption, const char* name, const QString& hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    return button;
}

QLabel* MakeValue(const QString& caption, const char* name) {
    auto* value = new QLabel;
    value->setObjectName(QString::fromLatin1(name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    NameAfterCaption(value, caption);
    return value;
}

QPlainTextEdit* MakeEditor(const char* name, bool read_only) {
    auto* editor = new QPlainTextEdit;
    editor->setObjectName(QString::fromLatin1(name));
    editor->setAccessibleName(QString::fromLatin1(name));
    editor->setReadOnly(read_only);
    // Orders hold no tabs; Tab leaves the editor, as keyboard users expect.
    editor->setTabChangesFocus(true);
    editor->setVerticalScrollBarPolicy(read_only ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    return editor;
}

TTreeList* MakeList(std::vector<ListColumn> columns, const char* name) {
    const QString heading = columns.front().Heading;
    auto* list = new TTreeList(std::move(columns));
    list->setObjectName(QString::fromLatin1(name));
    NameAfterCaption(list, heading);
    list->setRootIsDecorated(false);
    // A long name is cut rather than pushing the code and the amount or level out of view.
    list->FitColumnsToWidth(0);
    return list;
}

QString PlaceText(const Place& place) { return ToQString(FormatLocation(place)); }

// A row per skill: name, code and level, the level ordered by level and then days.
std::vector<ListRow> SkillRows(const TVelSkillList& skills, bool with_level) {
    std::vector<ListRow> rows;
    for (const auto& skill : skills) {
        if (skill == nullptr) continue;
        ListRow row;
        row.Cells = {TextCell(ToQString(skills.SkillName(*skill))), TextCell(ToQString(skill->Code))};
        if (with_level) {
            row.Cells.push_back(
                OrderedCell(ToQString(TVelSkillList::LevelText(*skill, true)), skill->Level, skill->Days));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

TfrmUnitInfo::TfrmUnitInfo(InformationWindows& windows, const UnitKey& key) : TfrmRecordWindow(windows), key_(key) {
    setObjectName(QStringLiteral("frmUnitInfo"));
    setWindowTitle(QStringLiteral("Unit Details"));

    auto* upper = new QWidget;
    auto* upper_layout = new QVBoxLayout(upper);
    upper_layout->setContentsMargins(0, 0, 0, 0);
    upper_layout->addWidget(BuildTopPart());
    upper_layout->addWidget(BuildMiddlePart(), 1);
    auto* splitter = new QSplitter(Qt::Vertical, pnlTTop());
    splitter->setObjectName(QStringLiteral("splUnit"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(upper);
    splitter->addWidget(BuildBottomPart());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    // A lost unit's state stands above everything else, so its orders are not mistaken for sent ones.
    lblLost_ = new QLabel;
    lblLost_->setObjectName(QStringLiteral("lblLost"));
    lblLost_->setWordWrap(true);
    lblLost_->setVisible(false);
    auto* layout = new QVBoxLayout(pnlTTop());
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(lblLost_);
    layout->addWidget(splitter);

    connect(AddButton(QStringLiteral("&Close"), "btnClose"), &QPushButton::clicked, this, &QWidget::close);
    // The preview's month and its problems follow the orders of every unit, not only this one's.
    connect(&windows.Notice(), &TRecordsNotice::PreviewChanged, this, [this] {
        FillNextMonth();
        orders_marks_->CheckNow();
    });
    setFixedWidth(516);
    setMinimumHeight(460);
    resize(516, 640);
    // The skill lists show a mage's skills without scrolling; the editors and goods get the rest.
    constexpr int kSkillRowsShown = 8;
    const int lower_height = lblCombatSpell_->sizeHint().height() + lstSkills_->HeightForRows(kSkillRowsShown) + 12;
    splitter->setSizes({height() - lower_height, lower_height});
}

QWidget* TfrmUnitInfo::BuildTopPart() {
    auto* part = new QWidget;

    btnFaction_ = MakeButton(QStringLiteral("Faction"), "btnFaction", QStringLiteral("View faction details"), part);
    NameAfterCaption(btnFaction_, QStringLiteral("Faction"));
    lblFactionName_ = MakeValue(QStringLiteral("Faction name"), "lblFactionName");
    // A long name is cut at the window's fixed width rather than pushing the buttons off it.
    lblFactionName_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    btnSuspected_ =
        MakeButton(QStringLiteral("(Suspected)"), "btnSuspected", QStringLiteral("Select suspected faction"), part);
    connect(btnFaction_, &QToolButton::clicked, this, &TfrmUnitInfo::btnFactionClick);
    connect(btnSuspected_, &QToolButton::clicked, this, &TfrmUnitInfo::btnSuspectedClick);
    auto* faction_bar = new QHBoxLayout;
    faction_bar->addWidget(btnFaction_);
    faction_bar->addWidget(lblFactionName_, 1);
    faction_bar->addWidget(btnSuspected_);

    edOrders_ = MakeEditor("edOrders", false);
    edNotes_ = MakeEditor("edNotes", false);
    orders_marks_ = new TOrdersHighlighter(*edOrders_, [this](const std::string& text) { return CheckOrders(text); });
    edDescription_ = MakeEditor("edDescription", true);
    edEvents_ = MakeEditor("edEvents", true);
    pgUnit_ = new QTabWidget;
    pgUnit_->setObjectName(QStringLiteral("pgUnit"));
    pgUnit_->addTab(edOrders_, QStringLiteral("Orders"));
    pgNextMonth_ = new TNextMonthPage;
    pgUnit_->addTab(pgNextMonth_, QStringLiteral("Next Month"));
    pgUnit_->addTab(edNotes_, QStringLiteral("Notes"));
    pgUnit_->addTab(edDescription_, QStringLiteral("Description"));
    pgUnit_->addTab(edEvents_, QStringLiteral("Events"));
    // Every page's tab stays in view, whole, in the fixed width.
    MakeTabsCompact(*pgUnit_);
    pgUnit_->setUsesScrollButtons(false);
    // What happened to the unit last turn is what the player reads first.
    pgUnit_->setCurrentIndex(kEventsPage);

    auto* left = new QVBoxLayout;
    left->addLayout(faction_bar);
    left->addWidget(pgUnit_, 1);
    auto* layout = new QHBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 1);
    layout->addWidget(BuildFlagsAndPlaces());
    return part;
}

QWidget* TfrmUnitInfo::BuildFlagsAndPlaces() {
    auto* part = new QWidget;
    part->setFixedWidth(191);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (size_t i = 0; i < kFlagMarks.size(); ++i) {
        auto* mark = new QCheckBox(QString::fromLatin1(kFlagMarks[i].Caption), part);
        mark->setObjectName(QString::fromLatin1(kFlagMarks[i].Name));
        // The flags come from the report; the player changes them with orders, not here.
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->setFocusPolicy(Qt::NoFocus);
        NameAfterCaption(mark, mark->text());
        layout->addWidget(mark);
        chkFlags_[i] = mark;
    }
    layout->addSpacing(6);

    btnPosition_ = MakeButton(QString(), "btnPosition", QStringLiteral("View hex details"), part);
    btnPosition_->setAutoRaise(true);
    btnPosition_->setCursor(Qt::PointingHandCursor);
    NameAfterCaption(btnPosition_, QStringLiteral("Position"));
    btnInside_ = MakeButton(QStringLiteral("(Inside)"), "btnInside", QStringLiteral("View structure details"), part);
    btnLastPosition_ = MakeButton(QString(), "btnLastPosition", QStringLiteral("View hex details"), part);
    btnLastPosition_->setAutoRaise(true);
    btnLastPosition_->setCursor(Qt::PointingHandCursor);
    NameAfterCaption(btnLastPosition_, QStringLiteral("Last Turn"));
    btnHistory_ = MakeButton(QStringLiteral("(History)"), "btnHistory", QStringLiteral("View position history"), part);
    connect(btnPosition_, &QToolButton::clicked, this, &TfrmUnitInfo::btnPositionClick);
    connect(btnInside_, &QToolButton::clicked, this, &TfrmUnitInfo::btnInsideClick);
    connect(btnLastPosition_, &QToolButton::clicked, this, &TfrmUnitInfo::btnLastPositionClick);
    connect(btnHistory_, &QToolButton::clicked, this, &TfrmUnitInfo::btnHistoryClick);

    auto* places = new QGridLayout;
    places->setContentsMargins(0, 0, 0, 0);
    // Each place has the whole width beside its caption ("<Unknown>" is wide); its button goes
    // under it.
    places->addWidget(new QLabel(QStringLiteral("Position")), 0, 0);
    places->addWidget(btnPosition_, 0, 1, Qt::AlignLeft);
    places->addWidget(btnInside_, 1, 1, Qt::AlignLeft);
    places->addWidget(new QLabel(QStringLiteral("Last Turn")), 2, 0);
    places->addWidget(btnLastPosition_, 2, 1, Qt::AlignLeft);
    places->addWidget(btnHistory_, 3, 1, Qt::AlignLeft);
    places->setColumnStretch(1, 1);
    layout->addLayout(places);
    layout->addStretch(1);
    return part;
}

QWidget* TfrmUnitInfo::BuildMiddlePart() {
    auto* part = new QWidget;
    lblSilver_ = MakeValue(QStringLiteral("Silver"), "lblSilver");
    lblStrength_ = MakeValue(QStringLiteral("Total Strength"), "lblStrength");
    auto* totals = new QHBoxLayout;
    totals->addWidget(new QLabel(QStringLiteral("Silver")));
    totals->addWidget(lblSilver_, 1);
    totals->addWidget(new QLabel(QStringLiteral("Total Strength")));
    totals->addWidget(lblStrength_, 1);

    lstItems_ = MakeList({{QStringLiteral("Items carried"), 150, SortKind::Text},
                          {QStringLiteral("Code"), 50, SortKind::Text},
                          {QStringLiteral("Qty"), 50, SortKind::Number}},
                         "lstItems");
    lstTroops_ = MakeList({{QStringLiteral("Troops"), 100, SortKind::Text},
                           {QStringLiteral("Code"), 50, SortKind::Text},
                           {QStringLiteral("Size"), 50, SortKind::Number}},
                          "lstTroops");
    auto* lists = new QHBoxLayout;
    lists->addWidget(lstItems_, 5);
    lists->addWidget(lstTroops_, 4);

    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(totals);
    layout->addLayout(lists, 1);
    return part;
}

QWidget* TfrmUnitInfo::BuildBottomPart() {
    auto* part = new QWidget;
    lblCombatSpell_ = MakeValue(QStringLiteral("Combat spell"), "lblCombatSpell");
    lblCombatSpell_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* spell = new QHBoxLayout;
    spell->addWidget(new QLabel(QStringLiteral("Combat spell")));
    spell->addWidget(lblCombatSpell_, 1);

    lstSkills_ = MakeList({{QStringLiteral("Skill"), 150, SortKind::Text},
                           {QStringLiteral("Code"), 50, SortKind::Text},
                           {QStringLiteral("Level"), 50, SortKind::Ordered}},
                          "lstSkills");
    lstCanStudy_ = MakeList({{QStringLiteral("Can study"), 150, SortKind::Text}, {QStringLiteral("Code"), 50, SortKind::Text}},
                            "lstCanStudy");
    auto* lists = new QHBoxLayout;
    lists->addWidget(lstSkills_, 5);
    lists->addWidget(lstCanStudy_, 4);

    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 4, 0, 3);
    layout->addLayout(spell);
    layout->addLayout(lists, 1);
    return part;
}

bool TfrmUnitInfo::Refill() {
    const TVelUnit* unit = key_.Find(Main());
    if (unit == nullptr) return false;
    const QString number_and_name = NumberedName(unit->Number, unit->Name);
    menu_caption_ = number_and_name;
    // Found, but not among the units: the last report no longer showed it.
    const bool lost = Main().Units.FindByNumber(key_.Number) == nullptr;
    const QString lost_since = QStringLiteral("Lost since turn %1").arg(Main().Turn);
    setWindowTitle(number_and_name +
                   (lost ? QStringLiteral(" [%1]").arg(lost_since) : QStringLiteral(" [Turn %1]").arg(unit->Turn)));
    ShowValue(lblLost_, lost ? lost_since + QStringLiteral(": the report of that turn no longer shows this unit, "
                                                           "so its orders are not sent.")
                             : QString());
    lblLost_->setVisible(lost);
    edOrders_->setReadOnly(lost);
    FillFaction(*unit);

    ShowValue(btnPosition_, PlaceText(unit->At()));
    btnInside_->setVisible(unit->Inside > 0);
    ShowValue(btnLastPosition_, PlaceText(unit->LastAt()));

    filled_orders_ = ToEditorText(unit->Orders);
    ShowText(*edOrders_, filled_orders_);
    filled_orders_ = edOrders_->toPlainText();
    rules_ = RuleSetOf(Main());
    // What the unit has and where it stands may have changed under the same orders.
    orders_marks_->CheckNow();
    filled_notes_ = ToEditorText(unit->Notes);
    ShowText(*edNotes_, filled_notes_);
    filled_notes_ = edNotes_->toPlainText();
    ShowText(*edDescription_, ToEditorText(unit->Description));
    ShowText(*edEvents_, ToEditorText(unit->Events));

    for (size_t i = 0; i < kFlagMarks.size(); ++i) chkFlags_[i]->setChecked(unit->HasFlag(kFlagMarks[i].Flag));
    ShowValue(lblSilver_, QString::number(unit->Silver()));
    ShowValue(lblStrength_, QString::number(unit->Troops.Total()));
    ShowValue(lblCombatSpell_, unit->IsMage() ? ToQString(unit->CombatSpell) : QStringLiteral("---"));
    FillLists(*unit);
    FillNextMonth();
    return true;
}

void TfrmUnitInfo::FillNextMonth() {
    const TMonthPreview* preview = Windows().Preview;
    const UnitMonth* month = preview != nullptr ? preview->Unit(key_.Number) : nullptr;
    if (month == nullptr) {
        pgNextMonth_->ShowNone(preview != nullptr && !preview->Failure().isEmpty() ? preview->Failure()
                                                                                   : QStringLiteral("Not previewed"));
        setAccessibleDescription({});
        return;
    }
    pgNextMonth_->Show(*month);
    const QString route = RouteSummary(month->After);
    setAccessibleDescription(route.isEmpty() ? QString() : QStringLiteral("Route: ") + route);
}

// The maps draw the route of the unit the player works on.
void TfrmUnitInfo::changeEvent(QEvent* event) {
    TfrmRecordWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && Windows().Preview != nullptr)
        Windows().Preview->SelectUnit(key_.Number);
}

void TfrmUnitInfo::ShowNextMonth() { pgUnit_->setCurrentIndex(kNextMonthPage); }

void TfrmUnitInfo::FillFaction(const TVelUnit& unit) {
    const TVelFaction* faction = Main().Factions.FindByNumber(unit.Faction);
    ShowValue(btnFaction_, faction != nullptr ? QStringLiteral("[%1]").arg(faction->Number) : QStringLiteral("???"));
    ShowValue(lblFactionName_, faction != nullptr ? ToQString(faction->Name) : QStringLiteral("<Unknown>"));
    lblFactionName_->setToolTip(lblFactionName_->text());
    btnSuspected_->setVisible(!unit.FactionConfirmed);
}

void TfrmUnitInfo::FillLists(const TVelUnit& unit) {
    std::vector<ListRow> items;
    for (const TVelItem* item : unit.Items) {
        if (item == nullptr) continue;
        items.push_back({{}, {TextCell(ToQString(unit.Items.DisplayName(*item))), TextCell(ToQString(item->Code)),
                              NumberCell(item->Count)}, {}});
    }
    lstItems_->Fill(std::move(items), kAmountColumn);

    std::vector<ListRow> troops;
    for (const auto& troop : unit.Troops) {
        if (troop == nullptr) continue;
        troops.push_back({{}, {TextCell(ToQString(unit.Troops.DisplayName(*troop))), TextCell(ToQString(troop->Code)),
                               NumberCell(troop->Count)}, {}});
    }
    lstTroops_->Fill(std::move(troops), kAmountColumn);

    lstSkills_->Fill(SkillRows(unit.Skills, true), kCodeColumn);
    lstCanStudy_->Fill(SkillRows(unit.CanStudy, false), kCodeColumn);
}

bool TfrmUnitInfo::WriteBack() {
    const QString orders = edOrders_->toPlainText();
    const QString notes = edNotes_->toPlainText();
    if (orders == filled_orders_ && notes == filled_notes_) return false;
    TVelUnit* unit = key_.Find(Main());
    if (unit == nullptr) return false;
    if (orders != filled_orders_) {
        unit->Orders = FromEditorText(orders);
        filled_orders_ = orders;
    }
    if (notes != filled_notes_) {
        unit->Notes = FromEditorText(notes);
        filled_notes_ = notes;
    }
    return true;
}

std::optional<std::vector<Problem>> TfrmUnitInfo::CheckOrders(const std::string& text) const {
    // Mid-change the database may hold freed records; the refill after it checks again.
    if (Windows().Notice().Changing()) return std::nullopt;
    const TVelUnit* unit = key_.Find(Main());
    if (unit == nullptr) return std::vector<Problem>{};
    std::vector<Problem> problems = CheckSentOrders(Main(), rules_, *unit, text);
    TMonthPreview* preview = Windows().Preview;
    if (preview == nullptr) return problems;
    // The month runs again with these orders once typing stops; the marks follow when it has.
    preview->SetUnitOrders(key_.Number, text);
    for (const TurnProblem& found : preview->ProblemsOf(key_.Number)) {
        Problem problem{found.line, 1, found.kind == ProblemKind::Error ? Severity::Error : Severity::Warning, found.message};
        const bool said = std::any_of(problems.begin(), problems.end(), [&problem](const Problem& other) {
            return other.line == problem.line && other.message == problem.message;
        });
        if (!said) problems.push_back(std::move(problem));
    }
    return problems;
}

void TfrmUnitInfo::ShowOrdersLine(int line) {
    pgUnit_->setCurrentIndex(kOrdersPage);
    const QTextBlock block = edOrders_->document()->findBlockByNumber(std::max(line, 1) - 1);
    if (block.isValid()) {
        QTextCursor cursor(block);
        edOrders_->setTextCursor(cursor);
        edOrders_->ensureCursorVisible();
    }
    edOrders_->setFocus();
}

void TfrmUnitInfo::btnFactionClick() {
    const TVelUnit* unit = key_.Find(Main());
    if (unit != nullptr && unit->Faction > 0) Windows().ShowFaction(FactionKey{unit->Faction}, this);
}

// The player's guess at the faction becomes the unit's faction number; the unit stays unconfirmed,
// so the next report that names its faction corrects the guess.
void TfrmUnitInfo::btnSuspectedClick() {
    const std::optional<FactionKey> chosen = TfrmFactionList::SelectFaction(Windows(), this);
    if (!chosen || chosen->Number <= 0) return;
    // Unit rows, faction windows and the map's faction colours all change with it.
    Windows().Notice().Change(RecordChange::UnitEdited, [&] {
        if (TVelUnit* unit = key_.Find(Main())) unit->Faction = chosen->Number;
    });
}

void TfrmUnitInfo::btnInsideClick() {
    const TVelUnit* unit = key_.Find(Main());
    if (unit == nullptr || unit->Inside <= 0) return;
    Windows().ShowStructure(StructureKey{unit->At(), unit->Inside}, this);
}

void TfrmUnitInfo::btnPositionClick() {
    const TVelUnit* unit = key_.Find(Main());
    if (unit != nullptr && unit->IsOnMap()) Windows().ShowHex(unit->At(), this);
}

void TfrmUnitInfo::btnLastPositionClick() {
    const TVelUnit* unit = key_.Find(Main());
    if (unit == nullptr || unit->LastX < 0 || unit->LastY < 0) return;
    Windows().ShowHex(unit->LastAt(), nullptr);
}

void TfrmUnitInfo::btnHistoryClick() { TfrmPosHistory::Execute(Windows(), key_, this); }

}  // namespace hexwarden
