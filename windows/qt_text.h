#pragma once

// Texts are converted where they are drawn as well, so the conversion lives with the drawing surface.
#include "qt_surface/qt_text.h"
