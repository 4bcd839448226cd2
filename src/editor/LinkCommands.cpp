#include "editor/LinkCommands.h"

#include "richtext/FontInfo.h"
#include "richtext/RtColor.h"

namespace moxa::editor {
namespace {

constexpr rt::TRtColor kLinkBlue = 0x00FF0000;

// The selection with its edges moved inward where they lie on an item
// boundary: a start at the end of its item belongs to the next item, an
// end at the start of its item to the previous one. None when an edge
// would leave the container.
std::optional<RtSelectionBounds> InnerBounds(const RtDataView& view, RtSelectionBounds b) {
  if (b.StartItem < 0 || b.EndItem < 0) return std::nullopt;
  if (b.StartOffs >= view.GetOffsAfterItem(b.StartItem)) {
    if (b.StartItem + 1 >= view.LineCount()) return std::nullopt;
    ++b.StartItem;
    b.StartOffs = view.GetOffsBeforeItem(b.StartItem);
  }
  if (b.EndOffs <= view.GetOffsBeforeItem(b.EndItem)) {
    if (b.EndItem == 0) return std::nullopt;
    --b.EndItem;
    b.EndOffs = view.GetOffsAfterItem(b.EndItem);
  }
  return b;
}

bool IsLinkText(const RtDataView& view, const rt::TRtStyle& style, int itemNo) {
  const int styleNo = view.GetItemStyle(itemNo);
  return styleNo >= 0 && styleNo < style.TextStyles.Count() && style.TextStyles[styleNo].Jump;
}

}  // namespace

int LinkStyleOf(rt::TRtStyle& style, int styleNo) {
  rt::TFontInfo candidate = style.TextStyles[styleNo];
  candidate.Color = kLinkBlue;
  candidate.Set(rt::fsUnderline, true);
  candidate.Jump = true;
  return rt::FindOrAddTextStyle(style, styleNo, candidate);
}

int PlainStyleOf(rt::TRtStyle& style, int styleNo) {
  rt::TFontInfo candidate = style.TextStyles[styleNo];
  candidate.Color = rt::rtclWindowText;
  candidate.Set(rt::fsUnderline, false);
  candidate.Jump = false;
  return rt::FindOrAddTextStyle(style, styleNo, candidate);
}

void ConvertLinkStyle(rt::TRtStyle& style, int styleNo, int code, int& newStyleNo) {
  if (code == kMakeLinkStyle) newStyleNo = LinkStyleOf(style, styleNo);
  if (code == kMakePlainStyle) newStyleNo = PlainStyleOf(style, styleNo);
}

void SelectWholeLink(RtEditor& editor) {
  RtDataView view = editor.TopLevelEditor();
  RtSelectionBounds bounds = view.GetSelectionBounds(true);
  if (!view.SelectionExists()) {
    const int item = view.CurItemNo();
    const int offset = view.OffsetInCurItem();
    bounds = {item, offset, item, offset};
  }
  std::optional<RtSelectionBounds> inner = InnerBounds(view, bounds);
  if (!inner) return;
  const rt::TRtStyle& style = editor.Style();
  if (IsLinkText(view, style, inner->StartItem)) {
    inner->StartOffs = view.GetOffsBeforeItem(inner->StartItem);
  }
  if (IsLinkText(view, style, inner->EndItem)) {
    inner->EndOffs = view.GetOffsAfterItem(inner->EndItem);
  }
  view.SetSelectionBounds(inner->StartItem, inner->StartOffs, inner->EndItem, inner->EndOffs);
}

int FindLinkInSelection(RtEditor& editor) {
  const RtDataView view = editor.TopLevelEditor();
  if (!view.SelectionExists()) return -1;
  const std::optional<RtSelectionBounds> inner = InnerBounds(view, view.GetSelectionBounds(true));
  if (!inner || inner->EndItem < inner->StartItem) return -1;
  for (int item = inner->StartItem; item <= inner->EndItem; ++item) {
    if (const std::int32_t tag = view.GetItemTag(item); tag != 0) return tag;
  }
  return -1;
}

void SetSelectionLinkNumber(RtEditor& editor, std::int32_t tag) {
  RtDataView view = editor.TopLevelEditor();
  if (!view.SelectionExists()) return;
  const std::optional<RtSelectionBounds> inner = InnerBounds(view, view.GetSelectionBounds(true));
  if (!inner) return;
  editor.BeginUndoGroup(rtutTag);
  editor.SetUndoGroupMode(true);
  for (int item = inner->StartItem; item <= inner->EndItem; ++item) view.SetItemTagEd(item, tag);
  editor.SetUndoGroupMode(false);
}

LinkDialogState NewLinkState(bool newWindow) {
  LinkDialogState state;
  state.NewWindow = newWindow;
  return state;
}

void ShowLinkEntry(const rt::TEditorHyperLink& link, const QStringList& pages,
                   LinkDialogState& state) {
  state.NewWindow = link.NewWindow;
  switch (link.RadioButton) {
    case rt::elkExternal:
      state.Kind = rt::elkExternal;
      state.Address = link.Url;
      break;
    case rt::elkEmail: {
      state.Kind = rt::elkEmail;
      QString email = link.Url;
      const qsizetype at = email.indexOf(QLatin1String("mailto:"), 0, Qt::CaseInsensitive);
      if (at >= 0) email.remove(at, 7);
      state.Email = email;
      break;
    }
    default: {
      state.Kind = rt::elkPage;
      QString page = link.Url;
      const qsizetype at = page.indexOf(QLatin1String(".html"));
      if (at >= 0) page.remove(at, 5);
      state.Page = pages.contains(page, Qt::CaseSensitive) ? page : QString();
      break;
    }
  }
}

std::optional<LinkInputError> ValidateLinkInput(const LinkDialogState& state) {
  switch (state.Kind) {
    case rt::elkPage:
      if (state.Page.isEmpty()) return LinkInputError{"Please select a page.", LinkField::Page};
      break;
    case rt::elkExternal:
      if (state.Address.trimmed().isEmpty()) {
        return LinkInputError{"Please enter a url.", LinkField::Address};
      }
      break;
    case rt::elkEmail:
      if (state.Email.trimmed().isEmpty()) {
        return LinkInputError{"Please enter an email address.", LinkField::Email};
      }
      break;
  }
  return std::nullopt;
}

QString LinkAddressOf(const LinkDialogState& state) {
  switch (state.Kind) {
    case rt::elkExternal:
      return state.Address;
    case rt::elkEmail:
      return QStringLiteral("mailto:") + state.Email;
    default:
      return state.Page + QStringLiteral(".html");
  }
}

rt::TEditorHyperLink LinkEntryOf(const LinkDialogState& state) {
  rt::TEditorHyperLink entry;
  entry.Url = LinkAddressOf(state);
  entry.NewWindow = state.NewWindow;
  entry.RadioButton = state.Kind;
  return entry;
}

QString AddLink(RtEditor& editor, rt::TEditorLinks& links, const rt::TEditorHyperLink& entry) {
  if (links.Full()) return kTooManyLinks;
  const std::int32_t tag = links.Add(entry);
  editor.BeginUndoGroup(rtutTag);
  editor.SetUndoGroupMode(true);
  if (editor.SelectionExists()) {
    editor.ApplyStyleConversion(kMakeLinkStyle);
    SetSelectionLinkNumber(editor, tag);
  } else {
    editor.SetCurTextStyleNo(LinkStyleOf(editor.Style(), editor.CurTextStyleNo()));
    editor.InsertStringTag(QStringLiteral("New link"), tag);
  }
  editor.SetUndoGroupMode(false);
  return {};
}

void EditLink(rt::TEditorLinks& links, int index, const rt::TEditorHyperLink& entry) {
  rt::TEditorHyperLink* link = links.Find(rt::LinkTagOf(index));
  if (!link) return;
  link->Url = entry.Url;
  link->NewWindow = entry.NewWindow;
  link->RadioButton = entry.RadioButton;
}

void Unlink(RtEditor& editor) {
  editor.BeginUndoGroup(rtutTag);
  editor.SetUndoGroupMode(true);
  editor.ApplyStyleConversion(kMakePlainStyle);
  // A linked picture takes no text style: its tag goes by hand.
  if (FindLinkInSelection(editor) != -1) SetSelectionLinkNumber(editor, 0);
  editor.SetUndoGroupMode(false);
}

}  // namespace moxa::editor
