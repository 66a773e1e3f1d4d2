#pragma once

#include <QRect>
#include <QRectF>

// Bounds for every rectangle that comes from outside (a settings file, a
// command line, the window system) before any arithmetic is done with it.
// No desktop is wider or taller than X11's 32767 pixels, and the settings
// window's pictures are a few hundred units; 1 << 20 leaves room for both and
// for every product the mapper forms in int or double without overflow.
namespace SaneGeometry {

constexpr int kLimit = 1 << 20;

// True when x and y lie within ±kLimit and width and height within 0..kLimit,
// reading the rectangle's corners without QRect's own int arithmetic.
bool isSane(const QRect& rect);

// The rectangle with x and y clamped to ±kLimit and width and height to
// 0..kLimit; computed in 64 bits, so even corners at the int limits give a
// plain answer.
QRect clamped(const QRect& rect);

// The same for fractional rectangles; NaN becomes 0.
QRectF clamped(const QRectF& rect);

}  // namespace SaneGeometry
