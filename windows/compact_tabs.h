#pragma once

class QTabWidget;

namespace hexwarden {

// Narrow tabs in a smaller font, so that every page's caption fits a narrow panel or window whole.
void MakeTabsCompact(QTabWidget& pages);

}  // namespace hexwarden
