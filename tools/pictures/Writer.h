#pragma once

#include "Catalogue.h"

#include <QImage>
#include <QString>

namespace moxa::pictures {

// Draws the picture (or one frame of an animation) at `scale` times its size.
QImage Render(const Picture& picture, int scale, int frame = 0);

// Writes the picture and, when it has one, its "@2x" twin into `folder`.
// Returns an error text, empty on success.
QString WritePicture(const Picture& picture, const QString& folder);

// "7a.png" -> "7a@2x.png".
QString TwinName(const QString& name);

// The manifest: every file with its size, alpha channel and role.
QByteArray Manifest(const Catalogue& catalogue);

}  // namespace moxa::pictures
