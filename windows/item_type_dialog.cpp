#include "windows/item_type_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "windows/centre_form.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {
namespace {

QLabel* BoldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

TfrmGetItemType::TfrmGetItemType(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Query"));
    setModal(true);
    lblType_ = new QLabel(this);
    lblType_->setAccessibleName(QStringLiteral("Type"));
    lblCode_ = new QLabel(this);
    lblCode_->setAccessibleName(QStringLiteral("Code"));
    auto* btnRace = new QPushButton(QStringLiteral("A &Race or Creature"), this);
    btnRace->setObjectName(QStringLiteral("btnRace"));
    auto* btnItem = new QPushButton(QStringLiteral("An &Item"), this);
    btnItem->setObjectName(QStringLiteral("btnItem"));
    btnRace->setAutoDefault(false);
    btnItem->setAutoDefault(false);
    connect(btnRace, &QPushButton::clicked, this, [this] {
        answer_ = ItemTypeAnswer::Race;
        accept();
    });
    connect(btnItem, &QPushButton::clicked, this, [this] {
        answer_ = ItemTypeAnswer::Item;
        accept();
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(BoldLabel(QStringLiteral("Identification of the following item is required:"), this), 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Type:"), this), 1, 0);
    layout->addWidget(lblType_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Code:"), this), 2, 0);
    layout->addWidget(lblCode_, 2, 1);
    layout->addWidget(BoldLabel(QStringLiteral("Is this:"), this), 3, 0, 1, 2);
    layout->addWidget(btnRace, 4, 0);
    layout->addWidget(new QLabel(QStringLiteral("(Increases the unit strength)"), this), 4, 1);
    layout->addWidget(btnItem, 5, 0);
    layout->addWidget(new QLabel(QStringLiteral("(Appears in a unit's equipment list)"), this), 5, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ItemTypeAnswer TfrmGetItemType::Ask(std::string_view name, std::string_view code) {
    lblType_->setText(ToQString(name));
    lblCode_->setText(ToQString(code));
    adjustSize();
    CentreForm(this, parentWidget());
    // The import shows the busy cursor; the question needs the normal one.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    exec();
    QApplication::restoreOverrideCursor();
    return answer_;
}

void TfrmGetItemType::closeEvent(QCloseEvent* event) {
    if (result() != QDialog::Accepted) event->ignore();
}

}  // namespace hexwarden
