#pragma once

#include <QRect>
#include <QSize>

#include <optional>

namespace moxa {

class SettingsStore;

// Where the window was and whether it was maximised, kept between runs in the
// settings store under names of their own.
struct WindowPlacement {
  QRect Bounds;  // the normal (not maximised) geometry
  bool Maximised = false;

  bool operator==(const WindowPlacement&) const = default;
};

// The placement last stored, if one was stored whole.
std::optional<WindowPlacement> ReadWindowPlacement(const SettingsStore& store);
void WriteWindowPlacement(const WindowPlacement& placement, SettingsStore& store);

// `bounds` made to fit the screen area `available`: at least `minimum` in
// size, no larger than the area (unless the minimum is), and moved inside it,
// so a window stored on a screen that is gone comes back where it can be seen.
QRect FitOnScreen(const QRect& bounds, const QRect& available, const QSize& minimum);

}  // namespace moxa
