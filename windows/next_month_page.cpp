#include "windows/next_month_page.h"

#include <QLabel>
#include <QVBoxLayout>

#include "windows/accessible_names.h"
#include "windows/month_preview.h"
#include "windows/month_text.h"
#include "windows/tree_list.h"
#include "windows/wrapped_lines.h"

namespace hexwarden {

TNextMonthPage::TNextMonthPage(QWidget* parent)
    : QWidget(parent),
      lstNextMonth_(new TTreeList({{QStringLiteral("Next month"), 90, SortKind::Ordered},
                                   {QStringLiteral("Value"), 200, SortKind::Text}})),
      lblRoute_(new QLabel) {
    setObjectName(QStringLiteral("pgNextMonth"));
    lstNextMonth_->setObjectName(QStringLiteral("lstNextMonth"));
    NameAfterCaption(lstNextMonth_, QStringLiteral("Next month"));
    // Route steps in the list's own font, and reasons read whole.
    WrapLongLines(*lstNextMonth_, 0, false);
    WrapLongLines(*lstNextMonth_, 1, false);
    lstNextMonth_->FitColumnsToWidth(1);
    lblRoute_->setObjectName(QStringLiteral("lblRoute"));
    lblRoute_->setWordWrap(true);
    lblRoute_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    NameAfterCaption(lblRoute_, QStringLiteral("Route"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblRoute_);
    layout->addWidget(lstNextMonth_, 1);
}

void TNextMonthPage::Show(const UnitMonth& month) {
    const QString route = RouteSummary(month.After);
    ShowValue(lblRoute_, route.isEmpty() ? QString() : QStringLiteral("Route: ") + route);
    lblRoute_->setVisible(!route.isEmpty());
    // Route: as the caption is part of the text, the name is the text alone.
    lblRoute_->setAccessibleName(route.isEmpty() ? QStringLiteral("Route: none") : lblRoute_->text());
    lstNextMonth_->Fill(NextMonthRows(month), 0);
    lstNextMonth_->expandAll();
}

void TNextMonthPage::ShowNone(const QString& why) {
    ShowValue(lblRoute_, why);
    lblRoute_->setAccessibleName(why);
    lblRoute_->setVisible(true);
    lstNextMonth_->Fill({}, 0);
}

}  // namespace hexwarden
