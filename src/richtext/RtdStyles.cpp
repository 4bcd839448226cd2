#include "richtext/RtdParts.h"

#include "richtext/RtdFields.h"

namespace moxa::rt {

namespace {

using rtd::Get;
using rtd::Put;

bool IsReference(int index, int count) { return index >= -1 && index < count; }

bool ReferencesResolve(const TRtStyle& style) {
  const int texts = style.TextStyles.Count();
  const int paras = style.ParaStyles.Count();
  for (const TFontInfo& font : style.TextStyles.Items) {
    if (!IsReference(font.NextStyleNo, texts) || !IsReference(font.BaseStyleNo, texts)) {
      return false;
    }
  }
  for (const TParaInfo& para : style.ParaStyles.Items) {
    if (!IsReference(para.NextParaNo, paras) || !IsReference(para.DefStyleNo, texts)) {
      return false;
    }
  }
  return true;
}

}  // namespace

void WriteStyles(RtdWriter& w, const TRtStyle& style) {
  Put(w, style.TextStyles.Items);
  Put(w, style.ParaStyles.Items);
  Put(w, style.ListStyles.Items);
}

bool ReadStyles(RtdReader& r, TRtStyle& style) {
  Get(r, style.TextStyles.Items);
  Get(r, style.ParaStyles.Items);
  Get(r, style.ListStyles.Items);
  return r.Ok() && ReferencesResolve(style);
}

}  // namespace moxa::rt
