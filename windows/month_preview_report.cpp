#include "windows/month_preview_report.h"

#include <QHeaderView>
#include <QPushButton>

#include "qt_surface/qt_text.h"
#include "windows/accessible_names.h"
#include "windows/centre_form.h"
#include "windows/information_windows.h"
#include "windows/list_rows.h"
#include "windows/month_preview.h"
#include "windows/month_text.h"
#include "windows/records_notice.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

enum ReportColumn { kUnit, kName, kHex, kChanges, kProblems, kUncertain };

QString ProblemsText(const std::vector<TurnProblem>& problems) {
    QStringList texts;
    for (const TurnProblem& problem : problems) texts << QStringLiteral("line %1 ").arg(problem.line) + ProblemText(problem);
    return texts.join(QStringLiteral("; "));
}

ListRow MonthRow(const UnitMonth& month) {
    const UnitState& after = month.After;
    // A formed unit sorts just after its former.
    const QString unit = after.number != 0 ? QString::number(after.number)
                                           : QStringLiteral("new %1 (by %2)").arg(after.alias).arg(after.formed_by);
    const int64_t place_order = (int64_t{after.place.X} << 20) | after.place.Y;
    return {UnitKey{month.Unit},
            {OrderedCell(unit, month.Unit, after.number == 0 ? after.alias : 0), TextCell(ToQString(month.Name)),
             OrderedCell(PreviewPlaceText(after.place), place_order, 0),
             TextCell(ChangedValues(month).join(QStringLiteral(", "))),
             NumberCell(ProblemsText(month.Problems), static_cast<int64_t>(month.Problems.size())),
             TextCell(UncertainReasons(after))},
            {}};
}

}  // namespace

TfrmMonthPreviewReport::TfrmMonthPreviewReport(InformationWindows& windows, QWidget* parent)
    : TfrmTBasicList(parent, {{QStringLiteral("Unit"), 60, SortKind::Ordered},
                              {QStringLiteral("Name"), 140, SortKind::Text},
                              {QStringLiteral("Hex after"), 70, SortKind::Ordered},
                              {QStringLiteral("Changes"), 260, SortKind::Text},
                              {QStringLiteral("Problems"), 200, SortKind::Number},
                              {QStringLiteral("Uncertain"), 200, SortKind::Text}}),
      windows_(windows) {
    setObjectName(QStringLiteral("frmMonthPreview"));
    setWindowTitle(QStringLiteral("Month Preview"));
    resize(900, 420);
    NameAfterCaption(&treeList(), QStringLiteral("Units next month"));
    treeList().setRootIsDecorated(false);
    edFilter_ = AddFilter(QStringLiteral("Filter by unit, name, hex, change or problem"), {});
    connect(AddButton(QStringLiteral("&Close"), "btnClose"), &QPushButton::clicked, this, &QDialog::reject);
    QPushButton* view = AddButton(QStringLiteral("&View"), "btnView");
    connect(view, &QPushButton::clicked, this, &TfrmMonthPreviewReport::OpenSelected);
    connect(&treeList(), &TTreeList::RowChosen, this, &TfrmMonthPreviewReport::OpenSelected);
    // The rows are copies and keys: the preview's announcement is all they follow.
    connect(&windows_.Notice(), &TRecordsNotice::PreviewChanged, this, &TfrmMonthPreviewReport::Refill);
    Refill();
}

void TfrmMonthPreviewReport::ShowReport(InformationWindows& windows, QWidget* parent) {
    // What the open windows hold goes into the month first.
    windows.Notice().CommitEdits();
    if (windows.Preview != nullptr) windows.Preview->RunNow();
    TfrmMonthPreviewReport report(windows, parent);
    CentreForm(&report, parent);
    report.exec();
}

void TfrmMonthPreviewReport::Refill() {
    std::vector<ListRow> rows;
    if (windows_.Preview != nullptr) {
        for (const UnitMonth& month : windows_.Preview->Units()) rows.push_back(MonthRow(month));
    }
    treeList().Fill(std::move(rows), kUnit);
}

void TfrmMonthPreviewReport::OpenSelected() {
    const std::optional<UnitKey> key = treeList().SelectedKey<UnitKey>();
    if (!key) return;
    windows_.ShowUnit(*key, this);
    if (TfrmUnitInfo* window = windows_.Units.FindForm(*key)) window->ShowNextMonth();
}

}  // namespace hexwarden
