#include "richtext/LinkTableExport.h"

namespace moxa::rt {

TRtWriteHyperlinkEvent MakeWriteHyperlinkHandler(const TEditorLinks& links) {
  return [&links](int, const TCustomRtData& rtData, int itemNo, QString& target,
                  QString& extras) {
    const TEditorHyperLink* link = links.Find(rtData.GetItemTag(itemNo));
    if (!link) return;
    target = link->Url;
    if (link->NewWindow) extras = QStringLiteral("target=_blank");
  };
}

}  // namespace moxa::rt
