#pragma once

#include <QDialog>

#include "import/item_type_question.h"

class QLabel;

namespace hexwarden {

// "Query": is an unknown code of a report a race or an item? It has no close button and no escape:
// the import cannot go on without the answer.
class TfrmGetItemType : public QDialog, public TItemTypeQuestion {
    Q_OBJECT

public:
    explicit TfrmGetItemType(QWidget* parent = nullptr);

    ItemTypeAnswer Ask(std::string_view name, std::string_view code) override;

    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* lblType_;
    QLabel* lblCode_;
    ItemTypeAnswer answer_ = ItemTypeAnswer::Item;
};

}  // namespace hexwarden
