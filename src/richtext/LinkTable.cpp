#include "richtext/LinkTable.h"

#include <utility>

namespace moxa::rt {

TEditorLinkKind LinkKindOf(const QString& url) {
  if (url.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) return elkEmail;
  const bool bareName = !url.contains(QLatin1Char('/')) && !url.contains(QLatin1Char('\\')) &&
                        !url.contains(QLatin1Char(':')) && !url.contains(QLatin1Char('?')) &&
                        !url.contains(QLatin1Char('#'));
  return bareName && url.endsWith(QLatin1String(".html")) ? elkPage : elkExternal;
}

std::int32_t TEditorLinks::Add(const TEditorHyperLink& link) {
  Links.push_back(link);
  return LinkTagOf(LastLinkIndex());
}

const TEditorHyperLink* TEditorLinks::Find(std::int32_t tag) const {
  const int index = LinkIndexOf(tag);
  if (index < 0 || index >= Count()) return nullptr;
  return &Links[static_cast<size_t>(index)];
}

TEditorHyperLink* TEditorLinks::Find(std::int32_t tag) {
  return const_cast<TEditorHyperLink*>(std::as_const(*this).Find(tag));
}

void TEditorLinks::Remove(int index) {
  if (index < 0 || index >= Count()) return;
  Links.erase(Links.begin() + index);
}

TRtReadHyperlinkEvent MakeReadHyperlinkHook(TEditorLinks& links) {
  return [&links](const TRtReadHyperlink& link) {
    TEditorHyperLink entry;
    entry.Url = link.Target;
    entry.NewWindow = link.NewWindow;
    entry.RadioButton = LinkKindOf(link.Target);
    return links.Add(entry);
  };
}

}  // namespace moxa::rt
