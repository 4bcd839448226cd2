#pragma once

#include "app/gallery/PreviewPanel.h"
#include "app/shell/Pictures.h"
#include "site/Folders.h"
#include "templates/TemplateLibrary.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QScrollArea;

namespace moxa {

class SkinnedButton;

// Which road led to the gallery: a new site goes on with "Next", the
// Template tab applies the choice to the open site with "Save".
enum class GalleryMode { NewSite, ApplyTemplate };

// Screen 2: every template of the library as its screenshot with a faded
// reflection under it, three to a row in a vertically scrolling box.
// Hovering a thumbnail outlines it and shows an empty ring and a Preview
// button on it, a click selects it (a filled check). Each shows its
// template's name under it ("_nk"). Thumbnails are found again by name: the frame "_k_2" (which
// alone holds the template number), the screenshot "_k", the reflection "_rk".
class GalleryScreen : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 3;
  // The column pitch is the screenshot's width plus this, the row pitch its height plus this.
  static constexpr int kPitchGap = 75;
  // A screenshot's left and top inside its cell.
  static constexpr int kCellMargin = 20;
  static constexpr int kReflectionHeight = 50;
  static constexpr QPoint kScrollBoxAt{8, 72};
  static constexpr QSize kCheckSize{50, 50};
  static constexpr QSize kPreviewButtonSize{73, 20};
  // The checks sit on a screenshot's top-right corner: this far right of its
  // left edge and this far above its top.
  static constexpr int kCheckRight = 256;
  static constexpr int kCheckAbove = 10;

  GalleryScreen(const Folders& folders, const Pictures& pictures, QWidget* parent = nullptr);

  // Finds the templates and makes their thumbnails; meant to run once, at
  // start-up (a second run starts again from nothing).
  // Shows `library` (which must outlive the gallery), one thumbnail per
  // screenshot.
  void BuildGallery(const TemplateLibrary& library, std::vector<QImage> screenshots);
  // Scans the data folder itself: for a gallery shown on its own.
  void BuildGallery();
  // Places the scroll box, the selection check, the title and the buttons
  // for the current size (run on every resize).
  void LayoutGallery();

  void setMode(GalleryMode mode);
  // In new-site mode: a link back to the site being worked on, if there is one.
  void setBackToSiteOffered(bool offered);
  QLabel* backToSiteLink() const { return backToSite_; }
  GalleryMode mode() const { return mode_; }

  int selectedIndex() const { return selected_; }
  // Marks thumbnail k as chosen; the check is hidden when there is no thumbnail k.
  void setSelectedIndex(int k);
  // The templates as built: a broken screenshot cuts the list short.
  const TemplateLibrary& library() const { return *library_; }
  int GalleryLastIndex() const { return static_cast<int>(origins_.size()) - 1; }
  // Thumbnail k's screenshot position in the scrolled content (scroll offset 0).
  QPoint ThumbnailOrigin(int k) const;
  // The folder number of the template of thumbnail k.
  std::optional<int> templateNumberAt(int k) const;

  // Shares the main window's preview panel; without one the gallery makes
  // its own when Preview is first pressed.
  void setPreviewPanel(PreviewPanel* panel);
  PreviewPanel* previewPanel() const { return preview_; }

  QScrollArea* scrollBox() const { return scroll_; }
  QWidget* selectionCheck() const { return selectionCheck_; }
  // The hover marks: an empty ring where the check goes and an outline
  // around the screenshot, unlike the selection's filled check.
  QWidget* hoverCheck() const { return hoverCheck_; }
  QWidget* hoverFrame() const { return hoverFrame_; }
  SkinnedButton* previewButton() const { return previewButton_; }
  SkinnedButton* nextButton() const { return next_; }
  SkinnedButton* saveButton() const { return save_; }

 signals:
  void nextClicked();
  void saveClicked();
  void backToSiteClicked();
  void previewRequested(int templateNumber);
  // The user chose thumbnail k (click or arrow keys).
  void selectionChanged(int k);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MakeTitle();
  void MakeMarkers();
  void MakeButtons();
  void ClearThumbnails();
  void AddThumbnail(int number, QImage screenshot, int column, int row);
  QWidget* AddPicture(const QString& name, int k, QImage image, const QRect& place);
  void AddName(int k, const QString& title, const QRect& place);
  int HoverIndexOf(const QObject* watched) const;
  QPoint CheckPosition(int k) const;
  void PlaceSelectionCheck();
  void RaiseMarkers();

  void ThumbnailEntered(int k);
  void ThumbnailLeft();
  void ThumbnailClicked(int k);
  void HideHoverMarkers();
  void ShowPreview();
  bool PreviewShown() const;
  void MoveSelection(int step);
  void GoOn();

  Folders folders_;
  Pictures pictures_;
  TemplateLibrary ownLibrary_;
  const TemplateLibrary* library_ = &ownLibrary_;
  GalleryMode mode_ = GalleryMode::NewSite;
  QLabel* backToSite_ = nullptr;
  bool backToSiteOffered_ = false;
  std::vector<QPoint> origins_;  // ThumbnailOrigin, by k
  std::vector<QWidget*> thumbnailWidgets_;
  int contentHeight_ = 0;
  int selected_ = 0;
  int hovered_ = -1;  // the thumbnail under the mouse most recently
  const QObject* pressedOn_ = nullptr;

  QWidget* title_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QWidget* content_ = nullptr;
  QWidget* selectionCheck_ = nullptr;
  QWidget* hoverCheck_ = nullptr;
  QWidget* hoverFrame_ = nullptr;
  SkinnedButton* previewButton_ = nullptr;
  SkinnedButton* next_ = nullptr;
  SkinnedButton* save_ = nullptr;
  QPointer<PreviewPanel> preview_;
  // Leaving a thumbnail for the check or the button on top of it is no
  // leaving at all: the hide waits until the pending enter has been seen.
  QTimer hideMarkers_;
};

}  // namespace moxa
