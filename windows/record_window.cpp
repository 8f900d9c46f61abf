#include "windows/record_window.h"

#include <QCloseEvent>

#include "windows/information_windows.h"

namespace hexwarden {

TfrmRecordWindow::TfrmRecordWindow(InformationWindows& windows) : TfrmTBasic(windows.Owner()), windows_(windows) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
}

TVelMain& TfrmRecordWindow::Main() const { return windows_.Main(); }

void TfrmRecordWindow::closeEvent(QCloseEvent* event) {
    windows_.WriteBack(*this);
    event->accept();
}

void TfrmRecordWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) windows_.WriteBack(*this);
    TfrmTBasic::changeEvent(event);
}

// Escape closes the window the way its close box does.
void TfrmRecordWindow::reject() { close(); }

}  // namespace hexwarden
