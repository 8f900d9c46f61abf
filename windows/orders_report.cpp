#include "windows/orders_report.h"

#include <QHeaderView>
#include <QPushButton>

#include "model/database.h"
#include "orders/order_checker.h"
#include "orders/orders_database.h"
#include "qt_surface/qt_text.h"
#include "windows/accessible_names.h"
#include "windows/centre_form.h"
#include "windows/information_windows.h"
#include "windows/list_rows.h"
#include "windows/message_boxes.h"
#include "windows/records_notice.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

enum ReportColumn { kUnit, kLine, kSeverity, kMessage };

}  // namespace

std::vector<Problem> CheckSentOrders(const TVelMain& main, RuleSet rules, const TVelUnit& unit,
                                     std::string_view orders) {
    if (!main.OwnUnits.Contains(&unit)) return {};
    CheckOptions options;
    options.rules = rules;
    options.line_ends = LineEnds::Stored;
    return CheckUnitOrders(orders, unit.Number, options, &main);
}

std::vector<UnitProblem> CheckOwnOrders(const TVelMain& main) {
    const RuleSet rules = RuleSetOf(main);
    std::vector<UnitProblem> found;
    for (const TVelUnit* unit : main.OwnUnits) {
        for (Problem& problem : CheckSentOrders(main, rules, *unit, unit->Orders))
            found.push_back({UnitKey{unit->Number}, unit->Name, std::move(problem)});
    }
    return found;
}

TfrmOrdersReport::TfrmOrdersReport(InformationWindows& windows, QWidget* parent)
    : TfrmTBasicList(parent, {{QStringLiteral("Unit"), 150, SortKind::Ordered},
                              {QStringLiteral("Line"), 40, SortKind::Number},
                              {QStringLiteral("Severity"), 60, SortKind::Text},
                              {QStringLiteral("Message"), 400, SortKind::Text}}),
      windows_(windows) {
    setObjectName(QStringLiteral("frmOrdersReport"));
    setWindowTitle(QStringLiteral("Check Orders"));
    resize(700, 360);
    NameAfterCaption(&treeList(), QStringLiteral("Problems"));
    treeList().setRootIsDecorated(false);
    treeList().header()->setStretchLastSection(true);
    connect(AddButton(QStringLiteral("&Close"), "btnClose"), &QPushButton::clicked, this, &QDialog::reject);
    connect(&treeList(), &TTreeList::RowChosen, this, &TfrmOrdersReport::OpenSelected);
    // The rows hold copies and keys only, so nothing needs letting go before a change.
    connect(&windows_.Notice(), &TRecordsNotice::RecordsChanged, this, &TfrmOrdersReport::Refill);
    Refill();
}

void TfrmOrdersReport::ShowReport(InformationWindows& windows, QWidget* parent) {
    windows.Notice().CommitEdits();
    if (CheckOwnOrders(windows.Main()).empty()) {
        Prompts().ShowInformation(parent, QStringLiteral("No problems found in the orders."));
        return;
    }
    TfrmOrdersReport report(windows, parent);
    CentreForm(&report, parent);
    report.exec();
}

void TfrmOrdersReport::Refill() {
    std::vector<ListRow> rows;
    for (UnitProblem& problem : CheckOwnOrders(windows_.Main())) {
        const int32_t number = problem.Unit.Number;
        const int32_t line = problem.Found.line;
        rows.push_back({problem.Unit,
                        {OrderedCell(NumberedName(number, problem.Name), number, line),
                         NumberCell(line), TextCell(QString::fromLatin1(SeverityWord(problem.Found.severity))),
                         TextCell(ToQString(problem.Found.message))},
                        {}});
    }
    treeList().Fill(std::move(rows), kUnit);
}

void TfrmOrdersReport::OpenSelected() {
    const ListRow* row = treeList().CurrentRow();
    if (row == nullptr || !std::holds_alternative<UnitKey>(row->Key)) return;
    // Copied first: opening the window may refill the rows.
    const UnitKey key = std::get<UnitKey>(row->Key);
    const auto line = static_cast<int>(row->Cells[kLine].Order[0]);
    windows_.ShowUnit(key, this);
    if (TfrmUnitInfo* window = windows_.Units.FindForm(key)) window->ShowOrdersLine(line);
}

}  // namespace hexwarden
