#include "app/shell/WindowPlacement.h"

#include "platform/SettingsStore.h"
#include "site/SiteStore.h"

#include <algorithm>

namespace moxa {
namespace {

const QString kLeft = QStringLiteral("WindowLeft");
const QString kTop = QStringLiteral("WindowTop");
const QString kWidth = QStringLiteral("WindowWidth");
const QString kHeight = QStringLiteral("WindowHeight");
const QString kMaximised = QStringLiteral("WindowMaximised");

}  // namespace

std::optional<WindowPlacement> ReadWindowPlacement(const SettingsStore& store) {
  const auto left = ParseDecimal(store.ReadSetting(kLeft));
  const auto top = ParseDecimal(store.ReadSetting(kTop));
  const auto width = ParseDecimal(store.ReadSetting(kWidth));
  const auto height = ParseDecimal(store.ReadSetting(kHeight));
  if (!left || !top || !width || !height || *width <= 0 || *height <= 0) return std::nullopt;
  return WindowPlacement{QRect(*left, *top, *width, *height),
                         DecodeBool(store.ReadSetting(kMaximised))};
}

void WriteWindowPlacement(const WindowPlacement& placement, SettingsStore& store) {
  store.WriteSetting(kLeft, QString::number(placement.Bounds.left()));
  store.WriteSetting(kTop, QString::number(placement.Bounds.top()));
  store.WriteSetting(kWidth, QString::number(placement.Bounds.width()));
  store.WriteSetting(kHeight, QString::number(placement.Bounds.height()));
  store.WriteSetting(kMaximised, EncodeBool(placement.Maximised));
}

QRect FitOnScreen(const QRect& bounds, const QRect& available, const QSize& minimum) {
  const int width = std::max(minimum.width(), std::min(bounds.width(), available.width()));
  const int height = std::max(minimum.height(), std::min(bounds.height(), available.height()));
  // Inside the area; a window larger than the area keeps its top left corner in it.
  const int left =
      std::max(available.left(), std::min(bounds.left(), available.right() + 1 - width));
  const int top =
      std::max(available.top(), std::min(bounds.top(), available.bottom() + 1 - height));
  return QRect(left, top, width, height);
}

}  // namespace moxa
