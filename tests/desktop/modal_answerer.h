#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "windows/import_options_dialog.h"
#include "windows/item_type_dialog.h"
#include "windows/track_unit_dialog.h"

namespace hexwarden::testing {

// Answers the modal windows of an import while it runs: OK to the options, "A Race or Creature"
// to every item-type question; OK to the track unit dialog, and closes any other modal list.
class ModalAnswerer {
public:
    ModalAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* question = qobject_cast<TfrmGetItemType*>(modal)) {
                ++questions;
                question->findChild<QPushButton*>(QStringLiteral("btnRace"))->click();
            } else if (auto* options = qobject_cast<TfrmImportOptions*>(modal)) {
                options->accept();
            } else if (auto* track = qobject_cast<TfrmTrackUnit*>(modal)) {
                track->accept();
            } else if (auto* other = qobject_cast<QDialog*>(modal)) {
                other->reject();
            }
        });
        timer_.start(5);
    }
    int questions = 0;

private:
    QTimer timer_;
};

}  // namespace hexwarden::testing
