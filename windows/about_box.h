#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace hexwarden {

// The About box: program name, version and a slowly scrolling credits panel.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    // Shows the box modally, centred over the owner.
    static void Execute(QWidget* owner);

private:
    void ScrollCredits();

    QWidget* pnlCredits_;
    QLabel* lblCredits_;
    QTimer* timer_;
};

}  // namespace hexwarden
