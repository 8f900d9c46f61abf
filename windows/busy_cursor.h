#pragma once

#include <QApplication>
#include <QWidget>
#include <exception>
#include <utility>

#include "qt_surface/qt_text.h"
#include "windows/message_boxes.h"

namespace hexwarden {

// Runs a long piece of work under the busy cursor. An error is shown in the error box, with the
// normal cursor back, and the program goes on; the result says whether the work was done.
template <typename Work>
bool RunWithBusyCursor(QWidget* parent, Work&& work) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        std::forward<Work>(work)();
    } catch (const std::exception& error) {
        QApplication::restoreOverrideCursor();
        Prompts().ShowError(parent, ToQString(error.what()));
        return false;
    }
    QApplication::restoreOverrideCursor();
    return true;
}

}  // namespace hexwarden
