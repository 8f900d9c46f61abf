#pragma once

#include <QDialog>

#include "import/veldoria_parser.h"

class QCheckBox;
class QRadioButton;

namespace hexwarden {

// The choices asked before every turn import. Made once, so it keeps the last choices.
class TfrmImportOptions : public QDialog {
    Q_OBJECT

public:
    explicit TfrmImportOptions(QWidget* parent = nullptr);

    // Shows the dialog modally, centred over the owner; true when it ended with "&OK".
    bool Execute(QWidget* owner);

    OrdersMode Orders() const;
    void SetOrders(OrdersMode orders);
    bool ShowParseStatus() const;
    void SetShowParseStatus(bool show);

private:
    QRadioButton* rbOrders_[3];
    QCheckBox* chkShowParseStatus_;
};

}  // namespace hexwarden
