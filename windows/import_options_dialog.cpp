#include "windows/import_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "windows/centre_form.h"

namespace hexwarden {

TfrmImportOptions::TfrmImportOptions(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Import Turn"));
    auto* rgOrders = new QGroupBox(QStringLiteral(" Unit Orders "), this);
    auto* group_layout = new QVBoxLayout(rgOrders);
    const char* const captions[] = {"Clear All Orders", "Preserve Last Turn's Orders", "Import Order Template"};
    for (int i = 0; i < 3; ++i) {
        rbOrders_[i] = new QRadioButton(QString::fromLatin1(captions[i]), rgOrders);
        group_layout->addWidget(rbOrders_[i]);
    }
    chkShowParseStatus_ = new QCheckBox(QStringLiteral("Show Parsing Status"), this);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rgOrders);
    layout->addWidget(chkShowParseStatus_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetOrders(OrdersMode::Preserve);
    SetShowParseStatus(true);
}

bool TfrmImportOptions::Execute(QWidget* owner) {
    adjustSize();
    CentreForm(this, owner);
    return exec() == QDialog::Accepted;
}

OrdersMode TfrmImportOptions::Orders() const {
    for (int i = 0; i < 3; ++i) {
        if (rbOrders_[i]->isChecked()) return static_cast<OrdersMode>(i);
    }
    return OrdersMode::Preserve;
}

void TfrmImportOptions::SetOrders(OrdersMode orders) { rbOrders_[static_cast<int>(orders)]->setChecked(true); }

bool TfrmImportOptions::ShowParseStatus() const { return chkShowParseStatus_->isChecked(); }

void TfrmImportOptions::SetShowParseStatus(bool show) { chkShowParseStatus_->setChecked(show); }

}  // namespace hexwarden
