#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace moxa {

// Where a link followed inside a preview leads: the local file it names
// inside `rootFolder` (the template's folder, or the site's preview folder).
// The forms a hosted site links with are mapped to the local files:
// "name.php" to "name.html", "./" or a folder to its "index.html". Nothing
// when the link leaves the folder, names no existing file, or is not a
// local file at all (web addresses, e-mail links).
std::optional<QUrl> PreviewLinkTarget(const QUrl& link, const QString& rootFolder);

}  // namespace moxa
