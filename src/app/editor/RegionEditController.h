#pragma once

#include "app/shell/Pictures.h"
#include "editor/RtEditor.h"
#include "richtext/LinkTable.h"
#include "richtext/RtStyle.h"
#include "site/Folders.h"
#include "site/Site.h"

#include <QObject>

#include <functional>

namespace moxa {

class DialogLayer;
class EditorSession;
class FormatToolbar;
class LinkEditController;
class PictureEditController;
class RegionEditorDialog;
class RichTextEdit;

// The edit cycle of a region: a click on the highlighted region opens it in
// the rich-text editor on the dialog layer; OK puts the edit into the
// working copy and shows the page again where it was scrolled; Cancel
// changes nothing. The files are handled by the edit-cycle logic.
class RegionEditController : public QObject {
  Q_OBJECT

 public:
  // What the controller needs of the page view and its region tracking.
  struct PageView {
    std::function<int()> hoveredRegionNumber;  // 0: none
    std::function<int()> scrollOffset;         // the page's vertical scroll now
    std::function<void(int)> setPendingScrollOffset;
    std::function<void()> reload;  // shows the working copy afresh
  };

  RegionEditController(Site& site, const Folders& folders, const Pictures& pictures,
                       EditorSession& session, DialogLayer& layer, PageView view,
                       std::function<void(const QString&)> showError, QObject* parent = nullptr);
  ~RegionEditController() override;

  // Opens the hovered region in the editor; false when it cannot be opened
  // (no region, or the page's text lacks it), with nothing shown.
  bool OpenRegionEditor();
  // OK: the edit goes into the page. On failure the user is told and the
  // editor stays open, so the edit is not lost.
  bool CommitRegionEdit();
  // Closes the editor, dropping whatever was typed.
  void Cancel();
  // Cancel or Escape: typed text is dropped only when the user says so.
  void CancelOrAsk();
  // Back in front after another dialog took the layer (the unsaved-changes
  // prompt), with the text as it was left.
  void ShowAgain();
  // Text typed or formatted in the open editor and not yet confirmed.
  bool HasChangedText() const;
  // Asks an OK/Cancel question; OK is true. Without it typed text is kept.
  void setConfirm(std::function<bool(const QString&)> confirm) { confirm_ = std::move(confirm); }

  bool editing() const { return openNumber_ > 0; }
  RegionEditorDialog* dialog() const { return dialog_; }
  RichTextEdit* editorWidget() const { return widget_; }
  editor::RtEditor& editor() { return editor_; }
  FormatToolbar* toolbar() const { return toolbar_; }
  LinkEditController* links() const { return linkEditor_; }
  PictureEditController* pictures() const { return pictureEditor_; }

 private:
  void Close();
  void CreateFormatting(const Pictures& pictures);

  Site& site_;
  Folders folders_;
  EditorSession& session_;
  DialogLayer& layer_;
  PageView view_;
  std::function<void(const QString&)> showError_;
  std::function<bool(const QString&)> confirm_;
  // The one style sheet of the editor and the import, and this edit's links.
  rt::TRtStyle style_;
  rt::TEditorLinks links_;
  editor::RtEditor editor_;
  RegionEditorDialog* dialog_;
  RichTextEdit* widget_;
  FormatToolbar* toolbar_;
  LinkEditController* linkEditor_;
  PictureEditController* pictureEditor_;
  int openNumber_ = 0;
};

}  // namespace moxa
