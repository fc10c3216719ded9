#include "strip/strip_reach.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tavlin {

namespace {

Rect Overlap(const Rect& a, const Rect& b) {
  return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

// Squared distance between two rectangles: 0 when they touch or overlap.
int64_t DistanceSquared(const Rect& a, const Rect& b) {
  const int64_t dx = std::max({0, b.left - a.right, a.left - b.right});
  const int64_t dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
  return dx * dx + dy * dy;
}

// `start` moved so that `length` fits between `low` and `high`, or onto `low` when it cannot.
int Within(int start, int length, int low, int high) {
  if (length >= high - low) return low;
  return std::clamp(start, low, high - length);
}

}  // namespace

Rect KeepWithinReach(const Rect& strip, int grip_row, Size grabbable,
                     const std::vector<Rect>& work_areas) {
  const Rect grip{strip.left, strip.top, strip.right,
                  strip.top + std::min(grip_row, strip.Height())};
  const int need_width = std::min(grabbable.width, grip.Width());
  const int need_height = std::min(grabbable.height, grip.Height());

  const Rect* nearest = nullptr;
  int64_t nearest_distance = std::numeric_limits<int64_t>::max();
  for (const Rect& area : work_areas) {
    if (area.Width() <= 0 || area.Height() <= 0) continue;
    const Rect shared = Overlap(grip, area);
    if (shared.Width() >= need_width && shared.Height() >= need_height) return strip;
    const int64_t distance = DistanceSquared(grip, area);
    if (distance < nearest_distance) {
      nearest = &area;
      nearest_distance = distance;
    }
  }
  if (nearest == nullptr) return strip;

  const int left = Within(strip.left, strip.Width(), nearest->left, nearest->right);
  const int top = Within(strip.top, strip.Height(), nearest->top, nearest->bottom);
  return Rect{left, top, left + strip.Width(), top + strip.Height()};
}

}  // namespace tavlin
