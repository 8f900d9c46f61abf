#pragma once

#include <QString>

#include "windows/basic_window.h"

namespace hexwarden {

class InformationWindows;
class TVelIndexList;
class TVelMain;

// Which of the database's index tables a list shows. The table is found again through this on
// every refill rather than kept by address.
using IndexTableOf = TVelIndexList TVelMain::*;

// One index table (terrains, provinces, races, items or skills): code, name and colour of each
// record. Runs modally.
class TfrmTIndexList : public TfrmTBasicList {
    Q_OBJECT
public:
    TfrmTIndexList(InformationWindows& windows, QWidget* parent, IndexTableOf table, const QString& caption);

    static void ShowIndexList(InformationWindows& windows, QWidget* parent, IndexTableOf table,
                              const QString& caption);

    // Fills the list from the table again.
    void Refill();

private:
    InformationWindows& windows_;
    IndexTableOf table_;
};

}  // namespace hexwarden
