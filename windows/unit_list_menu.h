#pragma once

class QMenu;
class QWidget;

namespace hexwarden {

class InformationWindows;
class TTreeList;

// The pop-up menu of an information window's unit list, holding "&View Unit" (enabled while a row
// is selected). It, a double-click and Enter open the selected units, or a troop row's unit. The
// window may add entries of its own below.
QMenu* AddUnitListMenu(TTreeList& list, InformationWindows& windows, QWidget* window);

}  // namespace hexwarden
