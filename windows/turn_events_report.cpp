#include "windows/turn_events_report.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "model/database.h"
#include "qt_surface/qt_text.h"
#include "windows/accessible_names.h"
#include "windows/busy_cursor.h"
#include "windows/centre_form.h"
#include "windows/editor_text.h"
#include "windows/information_windows.h"
#include "windows/list_rows.h"
#include "windows/unit_list_menu.h"
#include "windows/wrapped_lines.h"

namespace hexwarden {
namespace {

enum EventsColumn { kUnitId, kFaction, kEvents };

// A tree button's picture: a box with a plus (expand) or a minus (collapse).
QIcon TreeButtonIcon(bool plus) {
    QPixmap picture(11, 11);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(0, 128, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, 10, 10);
    painter.setPen(Qt::black);
    painter.drawLine(2, 5, 8, 5);
    if (plus) painter.drawLine(5, 2, 5, 8);
    return QIcon(picture);
}

QToolButton* MakeTreeButton(bool plus, const QString& hint, const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(TreeButtonIcon(plus));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(false);
    button->setFixedSize(22, 22);
    return button;
}

// The events text a line at a time. A line break ends the line before it, so a text ending with
// one has no empty line after it.
QStringList EventLines(const std::string& events) {
    QStringList lines = ToEditorText(events).split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

TfrmRepTurnEvents::TfrmRepTurnEvents(InformationWindows& windows, QWidget* parent)
    : TfrmTBasicList(parent, {{QStringLiteral("Unit ID"), 50, SortKind::Number},
                              {QStringLiteral("Faction"), 50, SortKind::Number},
                              {QStringLiteral("Unit Events"), 450, SortKind::Text}}),
      windows_(windows) {
    setWindowTitle(QStringLiteral("Turn Events"));
    resize(591, 360);
    TTreeList& list = treeList();
    NameAfterCaption(&list, QStringLiteral("Turn Events"));
    list.SetTreeColumn(kEvents);
    // Unit names in bold over their event lines.
    WrapLongLines(list, kEvents, true);
    list.FitColumnsToWidth(kEvents);
    list.SetCopiedParentColumns({kUnitId, kFaction});

    QToolButton* expand = MakeTreeButton(true, QStringLiteral("Expand all"), "btnExpandAll", pnlTBottom());
    QToolButton* collapse = MakeTreeButton(false, QStringLiteral("Collapse all"), "btnCollapseAll", pnlTBottom());
    if (auto* buttons = qobject_cast<QBoxLayout*>(pnlTBottom()->layout())) {
        buttons->insertWidget(0, expand);
        buttons->insertWidget(1, collapse);
    }
    connect(expand, &QToolButton::clicked, &list, &QTreeView::expandAll);
    connect(collapse, &QToolButton::clicked, &list, &QTreeView::collapseAll);
    QPushButton* close = AddButton(QStringLiteral("&Close"), "btnClose");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    QMenu* popup = AddUnitListMenu(list, windows_, this);
    popup->addSeparator();
    mnuMyUnitsOnly_ = popup->addAction(QStringLiteral("&Show my units only"));
    mnuMyUnitsOnly_->setObjectName(QStringLiteral("mnuShowMyUnitsOnly"));
    mnuMyUnitsOnly_->setCheckable(true);
    mnuMyUnitsOnly_->setChecked(true);
    connect(mnuMyUnitsOnly_, &QAction::toggled, this, &TfrmRepTurnEvents::Refill);

    // The rows hold copies and keys only, so nothing needs letting go before a change.
    connect(&windows_.Notice(), &TRecordsNotice::RecordsChanged, this, &TfrmRepTurnEvents::Refill);
    Refill();
}

void TfrmRepTurnEvents::ShowTurnEvents(InformationWindows& windows, QWidget* parent) {
    TfrmRepTurnEvents report(windows, parent);
    CentreForm(&report, parent);
    report.exec();
}

bool TfrmRepTurnEvents::MyUnitsOnly() const { return mnuMyUnitsOnly_->isChecked(); }

void TfrmRepTurnEvents::Refill() {
    TTreeList& list = treeList();
    TListModel& model = list.Model();
    std::vector<RowKey> open;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        if (list.isExpanded(index)) open.push_back(model.RowAt(index)->Key);
    }
    RunWithBusyCursor(this, [this, &list] {
        const TVelMain& main = windows_.Main();
        std::vector<ListRow> rows;
        for (const auto& unit : main.Units) {
            if (unit->Events.empty() || (MyUnitsOnly() && !unit->IsOwn())) continue;
            ListRow row{UnitKey::Of(*unit),
                        {NumberCell(unit->Number), FactionNumberCell(main, unit->Faction),
                         TextCell(ToQString(unit->Name))},
                        {}};
            for (const QString& line : EventLines(unit->Events)) {
                row.Children.push_back({{}, {ListCell(), ListCell(), TextCell(line)}, {}});
            }
            rows.push_back(std::move(row));
        }
        list.Fill(std::move(rows), kUnitId);
    });
    for (int row = 0; row < model.rowCount() && !open.empty(); ++row) {
        const QModelIndex index = model.index(row, 0);
        if (std::find(open.begin(), open.end(), model.RowAt(index)->Key) != open.end()) list.expand(index);
    }
}

}  // namespace hexwarden
