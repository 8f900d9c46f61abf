#include "windows/basic_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace hexwarden {

TfrmTBasic::TfrmTBasic(QWidget* parent) : QDialog(parent), pnlTTop_(new QWidget(this)), pnlTBottom_(new QWidget(this)) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Basic Template"));
    resize(452, 309);
    pnlTTop_->setObjectName(QStringLiteral("pnlTTop"));
    pnlTBottom_->setObjectName(QStringLiteral("pnlTBottom"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlTTop_, 1);
    layout->addWidget(pnlTBottom_);
    pnlTBottom_->setFixedHeight(31);
    buttons_ = new QHBoxLayout(pnlTBottom_);
    buttons_->setContentsMargins(4, 3, 4, 3);
    buttons_->addStretch(1);
}

QPushButton* TfrmTBasic::AddButton(const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, pnlTBottom_);
    button->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the lists and editors, not to a default button.
    button->setAutoDefault(false);
    buttons_->addWidget(button);
    return button;
}

TfrmTBasicList::TfrmTBasicList(QWidget* parent, std::vector<ListColumn> columns)
    : TfrmTBasic(parent), treeList_(new TTreeList(std::move(columns))) {
    auto* pnlTTree = new QWidget(pnlTTop());
    pnlTTree->setObjectName(QStringLiteral("pnlTTree"));
    auto* tree_layout = new QVBoxLayout(pnlTTree);
    tree_layout->setContentsMargins(6, 6, 6, 6);
    tree_layout->addWidget(treeList_);
    treeList_->setObjectName(QStringLiteral("treeList"));
    auto* top_layout = new QVBoxLayout(pnlTTop());
    top_layout->setContentsMargins(0, 0, 0, 0);
    top_layout->addWidget(pnlTTree);
}

QLineEdit* TfrmTBasicList::AddFilter(const QString& placeholder, std::vector<int> columns) {
    auto* filter = new QLineEdit(this);
    filter->setObjectName(QStringLiteral("edFilter"));
    filter->setAccessibleName(QStringLiteral("Filter"));
    filter->setPlaceholderText(placeholder);
    filter->setClearButtonEnabled(true);
    // The filter sits above the list, in the list's own margins.
    if (auto* layout = qobject_cast<QVBoxLayout*>(treeList_->parentWidget()->layout())) layout->insertWidget(0, filter);
    treeList_->Model().SetFilterColumns(std::move(columns));
    connect(filter, &QLineEdit::textChanged, this, [this](const QString& text) { treeList_->Model().SetFilter(text.trimmed()); });
    connect(filter, &QLineEdit::returnPressed, this, [this] {
        if (!treeList_->currentIndex().isValid()) treeList_->setCurrentIndex(treeList_->Model().index(0, 0));
        treeList_->setFocus();
    });
    return filter;
}

void TfrmTBasicList::FitWidthToColumns(int least_width) {
    constexpr int kListMargins = 2 * 6;
    const int columns = treeList_->header()->length() + 2 * treeList_->frameWidth() + kListMargins +
                        treeList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // Very long texts do not make the window wider than the screen; their hints show them whole.
    const int screen_width = screen() != nullptr ? screen()->availableGeometry().width() : columns;
    resize(std::max(least_width, std::min(columns, screen_width)), height());
}

}  // namespace hexwarden
