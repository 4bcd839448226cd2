#pragma once

#include <QByteArray>

namespace moxa {

// The working copy shown in the editor carries every link disabled: each
// href=" and href=' (any letter case) gains a "#" after the quote, so a
// click in the editor never leaves the page. Removing takes exactly one "#"
// from each, so an in-page link ("#top" -> "##top") survives the cycle.
// Style sheet <link> elements are left alone so the editor shows the page
// with its styles.
QByteArray AddEditorLinkPrefixes(const QByteArray& page);
QByteArray RemoveEditorLinkPrefixes(const QByteArray& page);

}  // namespace moxa
