#include "windows/window_registry.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <algorithm>

#include "windows/record_window.h"

namespace hexwarden {
void BringForward(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void TFormList::AddForm(TfrmRecordWindow* form) {
    forms_.push_back(form);
    RebuildMenu();
}

void TFormList::RemoveForm(const QObject* form) {
    const auto found = std::find(forms_.begin(), forms_.end(), form);
    if (found == forms_.end()) return;
    forms_.erase(found);
    RebuildMenu();
}

void TFormList::RebuildMenu() {
    if (menu_ == nullptr) return;
    menu_->clear();
    for (TfrmRecordWindow* form : forms_) {
        QString caption = form->MenuCaption();
        QAction* entry = menu_->addAction(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        QObject::connect(entry, &QAction::triggered, menu_, [window = QPointer<QWidget>(form)] {
            if (window) BringForward(window);
        });
    }
    menu_->setEnabled(!forms_.empty());
}

}  // namespace hexwarden
