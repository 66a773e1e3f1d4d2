#include "driver/core/SaneGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace SaneGeometry {

namespace {

int64_t clampInt(int64_t value, int64_t low, int64_t high) { return std::min(std::max(value, low), high); }

double clampReal(double value, double low, double high) {
  if (std::isnan(value)) return 0;
  return std::min(std::max(value, low), high);
}

// QRect keeps corners; its width() is right - left + 1 in int, which
// overflows for corners far apart.
int64_t widthOf(const QRect& rect) { return int64_t(rect.right()) - rect.left() + 1; }
int64_t heightOf(const QRect& rect) { return int64_t(rect.bottom()) - rect.top() + 1; }

}  // namespace

bool isSane(const QRect& rect) {
  const int64_t w = widthOf(rect);
  const int64_t h = heightOf(rect);
  return rect.left() >= -kLimit && rect.left() <= kLimit && rect.top() >= -kLimit && rect.top() <= kLimit && w >= 0 &&
         w <= kLimit && h >= 0 && h <= kLimit;
}

QRect clamped(const QRect& rect) {
  if (isSane(rect)) return rect;
  return QRect(int(clampInt(int64_t(rect.left()), -kLimit, kLimit)), int(clampInt(int64_t(rect.top()), -kLimit, kLimit)),
               int(clampInt(widthOf(rect), 0, kLimit)), int(clampInt(heightOf(rect), 0, kLimit)));
}

QRectF clamped(const QRectF& rect) {
  return QRectF(clampReal(rect.x(), -kLimit, kLimit), clampReal(rect.y(), -kLimit, kLimit),
                clampReal(rect.width(), 0, kLimit), clampReal(rect.height(), 0, kLimit));
}

}  // namespace SaneGeometry
