#include "richtext/RtdParts.h"

#include <vector>

namespace moxa::rt {

namespace {

// Field writers, chosen by the field's type.
void Put(RtdWriter& w, int v) { w.I32(v); }
void Put(RtdWriter& w, bool v) { w.Bool(v); }
void Put(RtdWriter& w, std::uint32_t v) { w.U32(v); }  // colours
void Put(RtdWriter& w, std::uint8_t v) { w.U8(v); }    // font style flags
void Put(RtdWriter& w, const QString& v) { w.Str(v); }
template <class E>
  requires std::is_enum_v<E>
void Put(RtdWriter& w, E v) {
  w.Enum(v);
}
void Put(RtdWriter& w, const TRtParaBackground& v) { Put(w, v.Color); }
void Put(RtdWriter& w, const TRtBorderSides& v) {
  for (bool side : {v.Left, v.Top, v.Right, v.Bottom}) Put(w, side);
}
void Put(RtdWriter& w, const TRtParaBorder& v) {
  Put(w, v.Style);
  Put(w, v.Color);
  Put(w, v.Width);
  Put(w, v.InternalWidth);
  Put(w, v.VisibleBorders);
}
void Put(RtdWriter& w, const TRtTab& v) {
  Put(w, v.Position);
  Put(w, v.Align);
  Put(w, v.Leader);
}
void Put(RtdWriter& w, const TRtListFont& v) {
  Put(w, v.FontName);
  Put(w, v.Size);
  Put(w, v.Charset);
  Put(w, v.Color);
  Put(w, v.Style);
}
void Put(RtdWriter& w, const TRtListLevel& v) {
  Put(w, v.ListType);
  Put(w, v.FormatString);
  Put(w, v.Font);
  Put(w, v.FirstIndent);
  Put(w, v.LeftIndent);
  Put(w, v.MarkerIndent);
  Put(w, v.MarkerAlignment);
  Put(w, v.StartFrom);
  Put(w, v.Options);
  Put(w, v.ImageIndex);
}
template <class T>
void Put(RtdWriter& w, const std::vector<T>& v) {
  w.U32(static_cast<std::uint32_t>(v.size()));
  for (const T& element : v) Put(w, element);
}

// Field readers, the mirror of the writers.
void Get(RtdReader& r, int& v) { v = r.I32(); }
void Get(RtdReader& r, bool& v) { v = r.Bool(); }
void Get(RtdReader& r, std::uint32_t& v) { v = r.U32(); }
void Get(RtdReader& r, std::uint8_t& v) {
  v = r.U8();
  if (v & ~kAllFontStyles) r.Fail();
}
void Get(RtdReader& r, QString& v) { v = r.Str(); }
template <class E>
  requires std::is_enum_v<E>
void Get(RtdReader& r, E& v) {
  v = r.Enum<E>();
}
void Get(RtdReader& r, TRtParaBackground& v) { Get(r, v.Color); }
void Get(RtdReader& r, TRtBorderSides& v) {
  for (bool* side : {&v.Left, &v.Top, &v.Right, &v.Bottom}) Get(r, *side);
}
void Get(RtdReader& r, TRtParaBorder& v) {
  Get(r, v.Style);
  Get(r, v.Color);
  Get(r, v.Width);
  Get(r, v.InternalWidth);
  Get(r, v.VisibleBorders);
}
void Get(RtdReader& r, TRtTab& v) {
  Get(r, v.Position);
  Get(r, v.Align);
  Get(r, v.Leader);
}
void Get(RtdReader& r, TRtListFont& v) {
  Get(r, v.FontName);
  Get(r, v.Size);
  Get(r, v.Charset);
  Get(r, v.Color);
  Get(r, v.Style);
}
void Get(RtdReader& r, TRtListLevel& v) {
  Get(r, v.ListType);
  Get(r, v.FormatString);
  Get(r, v.Font);
  Get(r, v.FirstIndent);
  Get(r, v.LeftIndent);
  Get(r, v.MarkerIndent);
  Get(r, v.MarkerAlignment);
  Get(r, v.StartFrom);
  Get(r, v.Options);
  Get(r, v.ImageIndex);
}

// At most the fewest bytes one element can take (strings empty), for the
// count check; a larger number would refuse valid files.
template <class T>
constexpr qsizetype kMinBytes = 1;
template <>
constexpr qsizetype kMinBytes<TRtTab> = 9;
template <>
constexpr qsizetype kMinBytes<TRtListLevel> = 40;
template <>
constexpr qsizetype kMinBytes<TFontInfo> = 64;
template <>
constexpr qsizetype kMinBytes<TParaInfo> = 64;
template <>
constexpr qsizetype kMinBytes<TRtListInfo> = 13;

template <class T>
void Get(RtdReader& r, std::vector<T>& v) {
  const int count = r.Count(kMinBytes<T>);
  v.clear();
  v.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count && r.Ok(); ++i) Get(r, v.emplace_back());
}

void PutList(RtdWriter& w, const TRtListInfo& list) {
  Put(w, list.StyleName);
  Put(w, list.Levels);
  Put(w, list.LstID);
  Put(w, list.Standard);
}

void GetList(RtdReader& r, TRtListInfo& list) {
  Get(r, list.StyleName);
  Get(r, list.Levels);
  Get(r, list.LstID);
  Get(r, list.Standard);
}

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
  w.U32(static_cast<std::uint32_t>(style.TextStyles.Count()));
  for (const TFontInfo& font : style.TextStyles.Items) {
    ForEachFontInfoField([&](const char*, auto member) { Put(w, font.*member); });
  }
  w.U32(static_cast<std::uint32_t>(style.ParaStyles.Count()));
  for (const TParaInfo& para : style.ParaStyles.Items) {
    ForEachParaInfoField([&](const char*, auto member) { Put(w, para.*member); });
  }
  w.U32(static_cast<std::uint32_t>(style.ListStyles.Count()));
  for (const TRtListInfo& list : style.ListStyles.Items) PutList(w, list);
}

bool ReadStyles(RtdReader& r, TRtStyle& style) {
  const int texts = r.Count(kMinBytes<TFontInfo>);
  for (int i = 0; i < texts && r.Ok(); ++i) {
    TFontInfo& font = style.TextStyles.Add();
    ForEachFontInfoField([&](const char*, auto member) { Get(r, font.*member); });
  }
  const int paras = r.Count(kMinBytes<TParaInfo>);
  for (int i = 0; i < paras && r.Ok(); ++i) {
    TParaInfo& para = style.ParaStyles.Add();
    ForEachParaInfoField([&](const char*, auto member) { Get(r, para.*member); });
  }
  const int lists = r.Count(kMinBytes<TRtListInfo>);
  for (int i = 0; i < lists && r.Ok(); ++i) GetList(r, style.ListStyles.Items.emplace_back());
  return r.Ok() && ReferencesResolve(style);
}

}  // namespace moxa::rt
