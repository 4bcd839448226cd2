#pragma once

// Field writers and readers of the binary format, chosen by the field's
// type. A structure with a field list is written as its fields in order, a
// vector as its size and then its elements. Internal to the format's
// sources.

#include "richtext/RtdParts.h"
#include "richtext/RtdStream.h"

#include "richtext/FontInfo.h"
#include "richtext/ListInfo.h"
#include "richtext/ParaInfo.h"
#include "richtext/RtData.h"
#include "richtext/RtDocument.h"
#include "richtext/RtPicture.h"
#include "richtext/RtTable.h"

#include <cstdint>
#include <type_traits>
#include <vector>

namespace moxa::rt::rtd {

inline void Put(RtdWriter& w, int v) { w.I32(v); }
inline void Put(RtdWriter& w, bool v) { w.Bool(v); }
inline void Put(RtdWriter& w, std::uint32_t v) { w.U32(v); }  // colours
inline void Put(RtdWriter& w, std::uint8_t v) { w.U8(v); }    // font style flags
inline void Put(RtdWriter& w, const QString& v) { w.Str(v); }
inline void Put(RtdWriter& w, const TRtPicture& v) { WritePicture(w, v); }
template <class E>
  requires std::is_enum_v<E>
void Put(RtdWriter& w, E v) {
  w.Enum(v);
}
template <class T>
void Put(RtdWriter& w, const std::vector<T>& v);
template <HasFieldList T>
void Put(RtdWriter& w, const T& v);

// The readers mirror the writers; a bad value fails the reader.
inline void Get(RtdReader& r, int& v) { v = r.I32(); }
inline void Get(RtdReader& r, bool& v) { v = r.Bool(); }
inline void Get(RtdReader& r, std::uint32_t& v) { v = r.U32(); }
inline void Get(RtdReader& r, std::uint8_t& v) {
  v = r.U8();
  if (v & ~kAllFontStyles) r.Fail();
}
inline void Get(RtdReader& r, QString& v) { v = r.Str(); }
inline void Get(RtdReader& r, TRtPicture& v) {
  if (!ReadPicture(r, v)) r.Fail();
}
template <class E>
  requires std::is_enum_v<E>
void Get(RtdReader& r, E& v) {
  v = r.Enum<E>();
}
template <class T>
void Get(RtdReader& r, std::vector<T>& v);
template <HasFieldList T>
void Get(RtdReader& r, T& v);

// At most the fewest bytes one element can take (strings empty), for the
// count check; a larger number would refuse valid files.
template <class T>
inline constexpr qsizetype kMinBytes = 1;
template <>
inline constexpr qsizetype kMinBytes<TRtTab> = 9;
template <>
inline constexpr qsizetype kMinBytes<TRtListLevel> = 40;
template <>
inline constexpr qsizetype kMinBytes<TFontInfo> = 64;
template <>
inline constexpr qsizetype kMinBytes<TParaInfo> = 64;
template <>
inline constexpr qsizetype kMinBytes<TRtListInfo> = 13;

template <class T>
void Put(RtdWriter& w, const std::vector<T>& v) {
  w.U32(static_cast<std::uint32_t>(v.size()));
  for (const T& element : v) Put(w, element);
}

template <HasFieldList T>
void Put(RtdWriter& w, const T& v) {
  ForEachField(FieldsOf<T>{}, [&](const char*, auto member) { Put(w, v.*member); });
}

template <class T>
void Get(RtdReader& r, std::vector<T>& v) {
  const int count = r.Count(kMinBytes<T>);
  v.clear();
  v.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count && r.Ok(); ++i) Get(r, v.emplace_back());
}

template <HasFieldList T>
void Get(RtdReader& r, T& v) {
  ForEachField(FieldsOf<T>{}, [&](const char*, auto member) { Get(r, v.*member); });
}

}  // namespace moxa::rt::rtd
