#include "windows/wrapped_lines.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <algorithm>

#include "windows/tree_list.h"

namespace hexwarden {
namespace {

class WrappingDelegate : public QStyledItemDelegate {
public:
    WrappingDelegate(bool bold_parents, QObject* parent) : QStyledItemDelegate(parent), bold_parents_(bold_parents) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem shown = option;
        initStyleOption(&shown, index);
        const auto* view = qobject_cast<const QTreeView*>(shown.widget);
        if (view == nullptr) return QStyledItemDelegate::sizeHint(option, index);
        // The text's room: the column less the indentation of its level.
        const int depth = index.parent().isValid() ? 2 : 1;
        shown.rect = QRect(0, 0, std::max(1, view->columnWidth(index.column()) - depth * view->indentation()), 1);
        shown.features |= QStyleOptionViewItem::WrapText;
        return view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &shown, QSize(), view);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        QFont font = option->widget != nullptr ? option->widget->font() : option->font;
        font.setBold(bold_parents_ && !index.parent().isValid());
        option->font = font;
        option->fontMetrics = QFontMetrics(font);
    }

private:
    bool bold_parents_;
};

}  // namespace

void WrapLongLines(TTreeList& list, int column, bool bold_parents) {
    list.setItemDelegateForColumn(column, new WrappingDelegate(bold_parents, &list));
    list.setWordWrap(true);
    // Wrapped lines take another height when the column's width changes.
    QObject::connect(list.header(), &QHeaderView::sectionResized, &list, [&list, column](int resized) {
        if (resized == column) list.doItemsLayout();
    });
}

}  // namespace hexwarden
