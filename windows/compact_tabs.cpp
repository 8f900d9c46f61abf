#include "windows/compact_tabs.h"

#include <QTabBar>
#include <QTabWidget>

namespace hexwarden {

void MakeTabsCompact(QTabWidget& pages) {
    QFont tab_font = pages.tabBar()->font();
    tab_font.setPointSizeF(tab_font.pointSizeF() * 0.85);
    pages.tabBar()->setFont(tab_font);
    pages.setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 2px 3px; border: 1px solid palette(mid); border-bottom: none;"
        " background: palette(button); margin-right: 1px; }"
        "QTabBar::tab:selected { background: palette(base); }"));
}

}  // namespace hexwarden
