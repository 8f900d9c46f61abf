#include "windows/map_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "qt_surface/qt_drawing_surface.h"

namespace hexwarden {

HexMapWidget::HexMapWidget(QWidget* parent) : QWidget(parent) {
    // Every exposed pixel is painted, so scrolling can move the rest and ask only for the new strip.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void HexMapWidget::paintEvent(QPaintEvent* event) {
    const QRect exposed = event->rect();
    if (exposed.isEmpty()) return;
    // The backing image grows to the largest exposed part seen (about the view) and is reused; never
    // an image of the whole map.
    if (backing_.width() < exposed.width() || backing_.height() < exposed.height()) {
        backing_ = QImage(std::max(backing_.width(), exposed.width()), std::max(backing_.height(), exposed.height()),
                          QImage::Format_RGB32);
    }
    {
        QPainter painter(&backing_);
        // White around the hexes, as in an exported map image.
        painter.fillRect(QRect(QPoint(0, 0), exposed.size()), Qt::white);
        painter.translate(-exposed.left(), -exposed.top());
        if (OnPaint) {
            QtDrawingSurface surface(
                painter, Rect{exposed.left(), exposed.top(), exposed.right() + 1, exposed.bottom() + 1});
            OnPaint(surface);
        }
    }
    QPainter(this).drawImage(exposed.topLeft(), backing_, QRect(QPoint(0, 0), exposed.size()));
}

void HexMapWidget::mouseMoveEvent(QMouseEvent* event) {
    if (panning_) {
        const QPoint now = event->globalPosition().toPoint();
        emit PanRequested(pan_from_ - now);
        pan_from_ = now;
        // The map has moved under the pointer; the status follows the hex now under it.
        emit MouseMoved(mapFromGlobal(now));
        return;
    }
    emit MouseMoved(event->position().toPoint());
}

void HexMapWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit PopupRequested(event->position().toPoint(), event->globalPosition().toPoint());
    } else if (event->button() == Qt::MiddleButton) {
        panning_ = true;
        pan_from_ = event->globalPosition().toPoint();
        setCursor(Qt::ClosedHandCursor);
    }
}

void HexMapWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && panning_) {
        panning_ = false;
        unsetCursor();
    }
}

void HexMapWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoubleClicked(event->position().toPoint());
}

void HexMapWidget::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        // The scroll area scrolls.
        event->ignore();
        return;
    }
    // High-resolution wheels send parts of a step; zoom once a whole step has gathered.
    wheel_remainder_ += event->angleDelta().y();
    const int steps = wheel_remainder_ / QWheelEvent::DefaultDeltasPerStep;
    wheel_remainder_ -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) emit ZoomRequested(steps, event->position().toPoint());
    event->accept();
}

}  // namespace hexwarden
