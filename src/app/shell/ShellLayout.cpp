#include "app/shell/ShellLayout.h"

#include <algorithm>

namespace moxa {
namespace {

int Half(int x) { return x / 2; }
int Centre(int a, int b) { return Half(a) - Half(b); }

void PlaceFrame(ShellGeometry& g, Screen screen, QSize startFrameSize) {
  const int w = g.window.width();
  const int h = g.window.height();
  using M = ShellMetrics;
  if (screen == Screen::Start) {
    g.frame = QRect(Centre(w, startFrameSize.width()), M::kStartFrameTop, startFrameSize.width(),
                    startFrameSize.height());
    g.strip = QRect(g.frame.left(), g.frame.top() + g.frame.height(), M::kStripWidth,
                    M::kStripHeight);
    return;
  }
  const int frameWidth = w - 60;
  const int frameHeight = h - M::kBodyTop - M::kStripHeight - 8;
  g.frame = QRect(Centre(w, frameWidth), M::kBodyTop, frameWidth, frameHeight);
  g.strip = QRect(Centre(w, M::kStripWidth), g.frame.top() + frameHeight, M::kStripWidth,
                  M::kStripHeight);
  const int pieceWidth = Half(frameWidth - M::kStripWidth);
  g.leftPiece = QRect(g.frame.left() + 1, g.strip.top(), pieceWidth, M::kStripHeight);
  g.rightPiece = QRect(g.frame.left() + frameWidth - pieceWidth - 1, g.strip.top(), pieceWidth,
                       M::kStripHeight);
  g.piecesVisible = true;
  g.screenPanel = QRect(g.frame.left(), g.frame.top(), frameWidth, frameHeight - M::kStripHeight);
}

}  // namespace

ShellGeometry ComputeShellLayout(QSize window, Screen screen, QSize startPanelSize,
                                 QSize startCloseSize, QSize startFrameSize) {
  using M = ShellMetrics;
  ShellGeometry g;
  g.window = QSize(std::max(window.width(), M::kMinimumWidth),
                   std::max(window.height(), M::kMinimumHeight));
  const int w = g.window.width();
  const int h = g.window.height();

  g.headerBand = QRect(0, 0, w, M::kHeaderHeight);
  g.body = QRect(0, M::kBodyTop, w, h - M::kBodyTop);
  g.logo = QRect(QPoint(16, 21), M::kLogo);
  g.stepIndicator = QRect(QPoint(w - 262, 37), M::kStepIndicator);
  g.headerArt = QRect(QPoint(w - 410, M::kBodyTop - M::kHeaderArt.height()), M::kHeaderArt);
  for (int t = 0; t < 5; ++t) g.tabs[t] = QRect(QPoint(30 + 121 * t, 92), M::kTab);

  PlaceFrame(g, screen, startFrameSize);
  g.banner = QRect(QPoint(Centre(w, g.frame.width()), 142), M::kBanner);
  g.startPanel = QRect(QPoint(Centre(w, startPanelSize.width()) + 100, g.frame.top() + 80),
                       startPanelSize);
  g.startClose = QRect(QPoint(g.frame.left() + g.frame.width() - startCloseSize.width() - 10,
                              g.frame.top() + 10),
                       startCloseSize);

  g.borderLeft = QRect(0, 0, 1, h);
  g.borderRight = QRect(w - 2, 0, 1, h);
  g.borderTop = QRect(0, 0, w, 1);
  g.borderBottom = QRect(0, h - 2, w, 1);
  const QSize c = M::kCorner;
  g.corners = {QRect(QPoint(0, 0), c), QRect(QPoint(w - c.width() - 1, 0), c),
               QRect(QPoint(0, h - c.height() - 1), c),
               QRect(QPoint(w - c.width() - 1, h - c.height() - 1), c)};
  g.grip = QRect(QPoint(w - 12 - 8, h - 12 - 8), M::kGrip);
  g.minimise = QRect(QPoint(w - 122, 8), M::kCaptionButton);
  g.maximise = QRect(QPoint(w - 81, 8), M::kCaptionButton);
  g.close = QRect(QPoint(w - 40, 8), M::kCaptionButton);
  return g;
}

}  // namespace moxa
