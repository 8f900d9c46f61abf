#include "windows/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "windows/centre_form.h"

namespace hexwarden {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About"));
    auto* lblName = new QLabel(QStringLiteral("Veldoria Hexwarden"), this);
    QFont name_font = lblName->font();
    name_font.setBold(true);
    name_font.setPointSize(name_font.pointSize() + 4);
    lblName->setFont(name_font);
    lblName->setAlignment(Qt::AlignCenter);
    auto* lblVersion = new QLabel(QStringLiteral("Version ") + QStringLiteral("2.01a"), this);
    lblVersion->setAlignment(Qt::AlignCenter);

    pnlCredits_ = new QWidget(this);
    pnlCredits_->setFixedSize(260, 90);
    pnlCredits_->setAutoFillBackground(true);
    pnlCredits_->setBackgroundRole(QPalette::Base);
    lblCredits_ = new QLabel(pnlCredits_);
    lblCredits_->setText(QStringLiteral(
        "A companion for the play-by-e-mail game Veldoria.\n\n"
        "Turn reports become one map of everything your faction has seen.\n\n"
        "Built with C++ and Qt.\n\n"
        "Thanks to every player who sent reports, maps and bug reports."));
    lblCredits_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCredits_->setWordWrap(true);
    lblCredits_->setFixedWidth(pnlCredits_->width());
    lblCredits_->adjustSize();
    lblCredits_->move(0, 4);

    auto* btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblName);
    layout->addWidget(lblVersion);
    layout->addWidget(pnlCredits_, 0, Qt::AlignHCenter);
    layout->addWidget(btnClose, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &TfrmAbout::ScrollCredits);
    timer_->start(40);
}

void TfrmAbout::Execute(QWidget* owner) {
    TfrmAbout about(owner);
    about.adjustSize();
    CentreForm(&about, owner);
    about.exec();
}

void TfrmAbout::ScrollCredits() {
    int top = lblCredits_->y() - 1;
    // Once the text has left at the top it comes in again from the bottom.
    if (top + lblCredits_->height() < 0) top = pnlCredits_->height();
    lblCredits_->move(0, top);
}

}  // namespace hexwarden
