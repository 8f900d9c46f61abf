#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

namespace hexwarden {

// A colour shown as a swatch outlined in black. Any mouse button, Space or Enter asks for another.
class TColourSwatch : public QWidget {
public:
    explicit TColourSwatch(QWidget* parent);

    uint32_t Colour() const { return colour_; }
    void SetColour(uint32_t colour);
    std::function<void()> Clicked;

    QSize sizeHint() const override { return {45, 17}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    uint32_t colour_ = 0;
};

}  // namespace hexwarden
