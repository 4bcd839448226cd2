#pragma once

// The link table: where the addresses of a document's hyperlinks live. A
// hyperlink item (text in a hyperlink style, or a hot picture) carries the
// number of its entry in its tag: tag = index + 1, tag 0 = no link. The
// editor's link dialog fills the table; the HTML importer fills it through
// its read-hyperlink hook (MakeReadHyperlinkHook); the export's link handler
// reads it (Find) to write each link's address.

#include "richtext/RtColor.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace moxa::rt {

// What kind of address a link holds, as the link dialog shows it.
enum TEditorLinkKind : std::int32_t { elkPage = 0, elkExternal = 1, elkEmail = 2 };

struct TEditorHyperLink {
  QString Url;  // the address exactly as it is to be written into the page
  std::int32_t SelStart = 0;
  std::int32_t SelLength = 0;
  bool NewWindow = false;              // written with target=_blank
  std::int32_t RadioButton = elkPage;  // a TEditorLinkKind
  TRtColor OriginalColor = rtclNone;
  bool OriginalUnderline = false;
  bool operator==(const TEditorHyperLink&) const = default;
};

// The link kind an address shows in the link dialog: "mailto:" (any case)
// is an e-mail address; a bare file name ending in ".html" a page of this
// site; anything else an external link.
TEditorLinkKind LinkKindOf(const QString& url);

class TEditorLinks {
 public:
  // The most entries one edit may hold.
  static constexpr int kCapacity = 1001;

  // Appends an entry and returns its tag (index + 1).
  std::int32_t Add(const TEditorHyperLink& link);
  // The entry a tag names; null for tag 0 or a tag past the table.
  const TEditorHyperLink* Find(std::int32_t tag) const;
  TEditorHyperLink* Find(std::int32_t tag);
  // Removes entry `index`; later entries move down one place.
  void Remove(int index);
  void Clear() { Links.clear(); }
  int Count() const { return static_cast<int>(Links.size()); }
  int LastLinkIndex() const { return Count() - 1; }  // -1 when empty
  bool Full() const { return Count() >= kCapacity; }

  std::vector<TEditorHyperLink> Links;
};

inline constexpr std::int32_t LinkTagOf(int index) { return index + 1; }
inline constexpr int LinkIndexOf(std::int32_t tag) { return tag - 1; }

// A link as the HTML importer meets it, handed to its read-hyperlink hook.
struct TRtReadHyperlink {
  QString Target;          // the href exactly as written in the HTML (nothing decoded)
  QString ResolvedTarget;  // the same, resolved against the importer's base path
  bool NewWindow = false;  // the element had target=_blank
};

// The importer's read-hyperlink hook: called once per <a href> element, when
// its first item is added; every item of the element gets the returned tag.
using TRtReadHyperlinkEvent = std::function<std::int32_t(const TRtReadHyperlink& link)>;

// A hook that appends one entry per imported link to `links`, keeping the
// address as written (so a relative address stays relative), and returns
// its tag. `links` must outlive the import.
TRtReadHyperlinkEvent MakeReadHyperlinkHook(TEditorLinks& links);

}  // namespace moxa::rt
