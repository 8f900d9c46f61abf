#include "windows/centre_form.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace hexwarden {
namespace {

int CentredCoordinate(int parent_start, int parent_extent, int extent, int screen_extent) {
    int start = parent_start + (parent_extent - extent) / 2;
    if (start + extent > screen_extent) start = screen_extent - extent;
    return start < 1 ? 1 : start;
}

}  // namespace

QPoint CentredPlace(const QRect& parent, const QSize& size, const QSize& screen) {
    return {CentredCoordinate(parent.left(), parent.width(), size.width(), screen.width()),
            CentredCoordinate(parent.top(), parent.height(), size.height(), screen.height())};
}

void CentreForm(QWidget* window, QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize screen_size = screen ? screen->size() : QSize(1024, 768);
    QRect parent_rect(QPoint(1, 1), screen_size);
    if (parent) {
        // The client area of the parent, in screen coordinates.
        parent_rect = QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size());
    }
    // The layout grows a window that was sized smaller than its contents only when it is shown:
    // grown now, it is centred at the size it will have.
    if (window->layout() != nullptr) window->layout()->activate();
    window->move(CentredPlace(parent_rect, window->frameGeometry().size(), screen_size));
}

}  // namespace hexwarden
