#include "qt_surface/gui_application.h"

#include <QGuiApplication>

namespace hexwarden {

void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps references to the arguments for the application's lifetime.
    static int argc = 1;
    static char name[] = "hexwarden";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

}  // namespace hexwarden
