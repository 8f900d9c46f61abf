#include "windows/colour_swatch.h"

#include <QKeyEvent>
#include <QPainter>

#include "qt_surface/qt_drawing_surface.h"

namespace hexwarden {

TColourSwatch::TColourSwatch(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TColourSwatch::SetColour(uint32_t colour) {
    colour_ = colour;
    setAccessibleDescription(ToQColor(colour).name());
    update();
}

void TColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ToQColor(colour_));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void TColourSwatch::mousePressEvent(QMouseEvent*) {
    if (Clicked) Clicked();
}

void TColourSwatch::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (Clicked) Clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace hexwarden
