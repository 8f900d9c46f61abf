#pragma once

#include <QDialog>
#include <vector>

#include "windows/tree_list.h"

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace hexwarden {

// The base of every information window, list and report: a content panel over a 31-pixel button
// panel. Modeless windows are shown, lists and reports run modally.
class TfrmTBasic : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTBasic(QWidget* parent);

    QWidget* pnlTTop() const { return pnlTTop_; }
    QWidget* pnlTBottom() const { return pnlTBottom_; }

protected:
    // A button on the button panel, right-aligned in the order added.
    QPushButton* AddButton(const QString& caption, const char* name);

private:
    QWidget* pnlTTop_;
    QWidget* pnlTBottom_;
    QHBoxLayout* buttons_;
};

// A base window whose content is one list.
class TfrmTBasicList : public TfrmTBasic {
    Q_OBJECT
public:
    TfrmTBasicList(QWidget* parent, std::vector<ListColumn> columns);

    TTreeList& treeList() const { return *treeList_; }

protected:
    // At least that wide, and wide enough for every column of the list without scrolling sideways.
    void FitWidthToColumns(int least_width);
    // A filter above the list ("edFilter") that shows only the rows with the text in those columns;
    // Enter in it goes on to the rows left, at the first one.
    QLineEdit* AddFilter(const QString& placeholder, std::vector<int> columns);

private:
    TTreeList* treeList_;
};

}  // namespace hexwarden
