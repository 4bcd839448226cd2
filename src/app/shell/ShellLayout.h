#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace moxa {

// The screens of the main window, by the number the layout rules use.
enum class Screen { Start = 1, Gallery = 2, Editor = 3, PageManager = 4, Account = 5, Publish = 6 };

// Fixed sizes of the shell's design pictures.
struct ShellMetrics {
  static constexpr int kMinimumWidth = 1156;
  static constexpr int kMinimumHeight = 610;
  static constexpr int kBodyTop = 127;
  static constexpr int kHeaderHeight = 128;
  static constexpr QSize kDesignFrame{941, 340};
  static constexpr int kStripHeight = 16;
  static constexpr int kStripWidth = 941;
  static constexpr int kStartFrameTop = 253;
  static constexpr QSize kStepIndicator{233, 105};
  static constexpr QSize kHeaderArt{281, 107};
  static constexpr QSize kLogo{401, 65};
  static constexpr QSize kCaptionButton{25, 23};
  static constexpr QSize kTab{121, 35};
  static constexpr QSize kCorner{7, 7};
  static constexpr QSize kGrip{12, 12};
  static constexpr QSize kBanner{841, 105};
};

// Where everything of the main window goes for a window size and screen.
struct ShellGeometry {
  QSize window;  // after the minimum size is applied
  QRect frame;
  QRect strip;
  QRect leftPiece;
  QRect rightPiece;
  bool piecesVisible = false;
  QRect screenPanel;   // the current screen's panel (screens 2 to 6)
  QRect startPanel;    // the start screen's panel
  QRect startClose;    // the start screen's close button
  QRect banner;
  QRect headerBand;
  QRect body;
  QRect logo;
  QRect headerArt;
  QRect stepIndicator;
  std::array<QRect, 5> tabs;
  QRect minimise;
  QRect maximise;
  QRect close;
  QRect borderLeft;
  QRect borderRight;
  QRect borderTop;
  QRect borderBottom;
  std::array<QRect, 4> corners;  // top-left, top-right, bottom-left, bottom-right
  QRect grip;
};

// The layout pass: the window is never smaller than the minimum; on the
// start screen the content frame keeps `startFrameSize` (its design size
// unless an animation is running), on every other screen it fills the body.
ShellGeometry ComputeShellLayout(QSize window, Screen screen, QSize startPanelSize,
                                 QSize startCloseSize,
                                 QSize startFrameSize = ShellMetrics::kDesignFrame);

}  // namespace moxa
