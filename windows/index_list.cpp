#include "windows/index_list.h"

#include <QPushButton>

#include "model/database.h"
#include "qt_surface/qt_text.h"
#include "windows/accessible_names.h"
#include "windows/centre_form.h"
#include "windows/information_windows.h"
#include "windows/list_rows.h"

namespace hexwarden {
namespace {

enum IndexColumn { kCode, kName, kColour };

}  // namespace

TfrmTIndexList::TfrmTIndexList(InformationWindows& windows, QWidget* parent, IndexTableOf table,
                               const QString& caption)
    : TfrmTBasicList(parent, {{QStringLiteral("Code"), 75, SortKind::Text},
                              {QStringLiteral("Name"), 125, SortKind::Text},
                              {QStringLiteral("Colour"), 45, SortKind::Number}}),
      windows_(windows),
      table_(table) {
    setWindowTitle(caption);
    NameAfterCaption(&treeList(), caption);
    QPushButton* close = AddButton(QStringLiteral("&Close"), "btnClose");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(&windows_.Notice(), &TRecordsNotice::RecordsChanged, this, &TfrmTIndexList::Refill);
    Refill();
    FitWidthToColumns(286);
}

void TfrmTIndexList::ShowIndexList(InformationWindows& windows, QWidget* parent, IndexTableOf table,
                                   const QString& caption) {
    TfrmTIndexList list(windows, parent, table, caption);
    CentreForm(&list, parent);
    list.exec();
}

void TfrmTIndexList::Refill() {
    std::vector<ListRow> rows;
    for (const auto& record : windows_.Main().*table_) {
        rows.push_back({{},
                        {TextCell(ToQString(record->Code)), TextCell(ToQString(NameFor(*record, 1))),
                         SwatchCell(static_cast<uint32_t>(record->Value))},
                        {}});
    }
    treeList().Fill(std::move(rows), kCode);
}

}  // namespace hexwarden
