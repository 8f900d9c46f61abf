#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

namespace hexwarden {

class DrawingSurface;

// The map's drawing area, as large as the whole map and scrolled by its scroll area. It paints only
// what a paint exposes, through a backing image the size of the exposed part, and hands the mouse
// to its window; it knows nothing of hexes.
class HexMapWidget : public QWidget {
    Q_OBJECT
public:
    explicit HexMapWidget(QWidget* parent = nullptr);

    // Paints the surface's clip rectangle, given in map pixels.
    std::function<void(DrawingSurface&)> OnPaint;

signals:
    void MouseMoved(QPoint pixel);
    void PopupRequested(QPoint pixel, QPoint global);
    void DoubleClicked(QPoint pixel);
    // Ctrl and the wheel: whole steps, positive to zoom in.
    void ZoomRequested(int steps, QPoint pixel);
    // Dragging with the middle button: how far the map should move under the pointer.
    void PanRequested(QPoint delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage backing_;
    bool panning_ = false;
    QPoint pan_from_;
    int wheel_remainder_ = 0;
};

}  // namespace hexwarden
