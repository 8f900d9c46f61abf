#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace hexwarden {

// Where a window of `size` goes when centred over `parent` (in screen coordinates) and kept on a
// screen of `screen` size: a far edge past the screen moves it back in, and left and top are never
// below 1.
QPoint CentredPlace(const QRect& parent, const QSize& size, const QSize& screen);

// Centres `window` over `parent` (the whole screen when null), as every window the program opens is.
// Call it once the window has its size, before showing it.
void CentreForm(QWidget* window, QWidget* parent);

}  // namespace hexwarden
