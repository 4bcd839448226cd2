#pragma once

#include <QRect>

#include <functional>

class QAbstractAnimation;
class QWidget;

namespace moxa {

// The movements of the shell run on the window's own event loop: each call
// starts its animation and returns at once. The animation belongs to the
// widget it moves and deletes itself when it is over; whoever needs its end
// state continues on its finished() signal (or the `then` given here).

// A notice panel rising out of the content frame's lower edge in about
// 100 ms, ending at its full height. It shows at once; a slide of the same
// panel still under way is stopped.
QAbstractAnimation* SlideNoticeIn(QWidget* panel, const QRect& frame, int fullHeight = 112);
// The reverse, in about 100 ms; the panel is hidden at the end.
QAbstractAnimation* SlideNoticeOut(QWidget* panel, const QRect& frame);
// True while the panel is on its way out: it is still visible, but no
// longer counts as shown.
bool SlidingOut(const QWidget* panel);

// The short opening movement from the start screen's frame to the full one
// (about 60 ms): `startPanel` goes at once, `frame` grows towards the
// window's edges, and `then` runs when the movement is over (not at all
// when `window` goes first). The user's clicks and keys on the window are
// dropped meanwhile: nothing may start from a screen that is leaving.
QAbstractAnimation* OpenContentFrame(QWidget* window, QWidget* frame, QWidget* startPanel,
                                     std::function<void()> then);

}  // namespace moxa
