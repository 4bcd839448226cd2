#pragma once

// The link operations of the region editor, without widgets: selecting a
// whole link, reading and setting the link numbers of the selection, what
// the link dialog shows for a link table entry and the address it makes of
// the user's input, and the dialog's OK and Unlink on the document.

#include "editor/RtDataView.h"
#include "editor/RtEditor.h"
#include "richtext/LinkTable.h"
#include "richtext/RtStyle.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace moxa::editor {

// Style conversion codes of the link dialog.
inline constexpr int kMakeLinkStyle = 11;
inline constexpr int kMakePlainStyle = 12;

// The hyperlink variant of a text style (blue, underlined, a link) and the
// plain variant (window-text colour, no underline, not a link), found or added.
int LinkStyleOf(rt::TRtStyle& style, int styleNo);
int PlainStyleOf(rt::TRtStyle& style, int styleNo);
// An OnStyleConversion handler for codes 11 and 12; other codes are left alone.
void ConvertLinkStyle(rt::TRtStyle& style, int styleNo, int code, int& newStyleNo);

// These work on the container of the caret (the main text or a table cell).
// Widens the selection (or the caret) to whole hyperlink text items.
void SelectWholeLink(RtEditor& editor);
// The first non-zero tag inside the selection; -1 without a selection or link.
int FindLinkInSelection(RtEditor& editor);
// Gives every item of the selection `tag`, as one undo step.
void SetSelectionLinkNumber(RtEditor& editor, std::int32_t tag);

// What the link dialog holds.
struct LinkDialogState {
  rt::TEditorLinkKind Kind = rt::elkPage;
  QString Page;     // a page file name without ".html"; empty: none chosen
  QString Address;  // external address as typed
  QString Email;    // e-mail address without "mailto:"
  bool NewWindow = false;
};

inline const QString kChooseAPage = QStringLiteral("Choose A Page");

// The dialog for a new link: a page, none chosen, both fields empty.
LinkDialogState NewLinkState(bool newWindow = false);
// Shows `link` in `state`; the fields of the other kinds keep what they held.
// A page that is not among `pages` (exact case) leaves no page chosen.
void ShowLinkEntry(const rt::TEditorHyperLink& link, const QStringList& pages,
                   LinkDialogState& state);

enum class LinkField { Page, Address, Email };
struct LinkInputError {
  QString Message;
  LinkField Field;
};
// The message for missing input, in the dialog's order; none when complete.
std::optional<LinkInputError> ValidateLinkInput(const LinkDialogState& state);
// The address written into the page: "name.html", the typed address, "mailto:" + e-mail.
QString LinkAddressOf(const LinkDialogState& state);
// The entry the dialog's input makes.
rt::TEditorHyperLink LinkEntryOf(const LinkDialogState& state);

inline const QString kTooManyLinks = QStringLiteral("This region cannot hold more links.");

// A new link: the selection becomes the link, or, without a selection,
// "New link" is inserted as the link at the caret. Returns an error message
// (nothing changed) when the table is full; empty on success.
QString AddLink(RtEditor& editor, rt::TEditorLinks& links, const rt::TEditorHyperLink& entry);
// Replaces entry `index` (the document is not touched).
void EditLink(rt::TEditorLinks& links, int index, const rt::TEditorHyperLink& entry);
// Turns the selection into plain text that is no link. The entry stays in
// the table unused, so the tags of the other links still name their own.
void Unlink(RtEditor& editor);

}  // namespace moxa::editor
