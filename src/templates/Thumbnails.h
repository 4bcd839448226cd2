#pragma once

#include <QImage>

namespace moxa {

// Copies a 24-bit picture into `destination`, its rows in reverse order when
// flipping vertically and each row's pixels in reverse when mirroring. Any
// other pixel format copies nothing and gives false.
bool MirrorCopy(const QImage& source, QImage& destination, bool flipVertically,
                bool mirrorHorizontally);

// Fades the first 51 rows of a 24-bit picture towards white, as the gallery
// draws a screenshot's reflection: row 0 half-way to white, row 50 white.
void FadeReflection(QImage& image);

// The gallery's reflection of a screenshot: flipped and faded. A null image
// when the screenshot is not 24-bit.
QImage MakeReflection(const QImage& screenshot);

}  // namespace moxa
