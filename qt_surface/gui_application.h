#pragma once

namespace hexwarden {

// Makes sure a Qt GUI application runs, which fonts and images need: when there is none yet, one
// is started for the rest of the process, on the offscreen platform unless QT_QPA_PLATFORM names
// another, so programs without a display (the command line, benchmarks) can paint.
void EnsureGuiApplication();

}  // namespace hexwarden
