#pragma once

#include <QRect>

class QWidget;

namespace moxa {

// A notice panel rising out of the content frame's lower edge: ten steps of
// a tenth of its height (about 100 ms), ending at its full height.
void SlideNoticeIn(QWidget* panel, const QRect& frame, int fullHeight = 112);
// The reverse, ten steps of a tenth of its height; the panel is hidden after.
void SlideNoticeOut(QWidget* panel, const QRect& frame);

}  // namespace moxa
