#pragma once

#include "richtext/FontInfo.h"
#include "richtext/ListInfo.h"
#include "richtext/ParaInfo.h"

#include <vector>

namespace moxa::rt {

// A collection of styles; a style number is an index into it.
template <class T>
class TRtStyleCollection {
 public:
  int Count() const { return static_cast<int>(Items.size()); }
  bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }
  T& operator[](int index) { return Items.at(static_cast<size_t>(index)); }
  const T& operator[](int index) const { return Items.at(static_cast<size_t>(index)); }
  // Appends a default style; its index is the old count. The reference is
  // valid until the collection changes again.
  T& Add() { return Items.emplace_back(); }
  void Clear() { Items.clear(); }
  bool operator==(const TRtStyleCollection&) const = default;

  std::vector<T> Items;
};

class TFontInfos : public TRtStyleCollection<TFontInfo> {
 public:
  // The index of a style whose properties named in `mask` equal the
  // candidate's: `baseStyle` is tried first, then every style in index
  // order; -1 when none.
  int FindSuchStyle(int baseStyle, const TFontInfo& candidate,
                    TFontInfoProperties mask = kAllFontInfoProperties) const;
};

class TParaInfos : public TRtStyleCollection<TParaInfo> {
 public:
  int FindSuchStyle(int baseStyle, const TParaInfo& candidate,
                    TParaInfoProperties mask = kAllParaInfoProperties) const;
};

class TRtListInfos : public TRtStyleCollection<TRtListInfo> {
 public:
  // Appends a default list style with an identity no other style has.
  TRtListInfo& Add();
  // The index of the first list style equal to the candidate (SameListStyle).
  // None: with addIfNotFound a copy of the candidate is appended (Standard
  // false, a fresh LstID when the candidate's is taken) and its index
  // returned; otherwise -1.
  int FindSuchStyle(const TRtListInfo& candidate, bool addIfNotFound);
  int NewListId() const;
};

// The style sheet, shared by every document that uses its style numbers.
// A new sheet holds the initial content: text style 0 "Normal text",
// paragraph style 0 "Left" and list style 0 "List Style".
class TRtStyle {
 public:
  TRtStyle();

  TFontInfos TextStyles;
  TParaInfos ParaStyles;
  TRtListInfos ListStyles;
  TRtColor Color = rtclWindow;  // background of documents whose own colour is none
  // 8-bit text of this platform is UTF-8 whatever the number; kept so that
  // code written for other code pages has somewhere to look.
  int DefaultCodePage = 65001;

  bool operator==(const TRtStyle&) const = default;
};

// Style find-or-add: the style equal to `candidate` (base style first), or a
// new one appended as a copy of it with Standard false. Every formatting
// conversion goes through these, so equal formatting shares one number.
int FindOrAddTextStyle(TRtStyle& style, int baseStyle, const TFontInfo& candidate);
int FindOrAddParaStyle(TRtStyle& style, int baseStyle, const TParaInfo& candidate);

}  // namespace moxa::rt
