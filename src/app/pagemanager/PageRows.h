#pragma once

#include "app/shell/Pictures.h"
#include "site/Site.h"

#include <QObject>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QSize>

#include <array>
#include <vector>

class QWidget;

namespace moxa {

// The rows of the Page Manager, one per page in page order. Each row is
// nine controls inside the list's canvas, found again by name ("_pm_" + i,
// "_pml_" + i, "_pml2_" + i, "_pm2_" + i, "_tick_a" + i, "_tick_a" + i +
// "_2", "_edit_" + i, "_rename_" + i, "_delete_" + i). The nine stand in a
// frame of their own, one per row: a thousand rows then paint and go away
// without every control weighing on every other. The rows exist only while
// the Page Manager shows: built when it is shown, freed when it is left.
// A row's controls are made when it first comes near the list's view (a
// screen's height above or below it), so a site of a thousand pages opens
// as fast as one of a screenful; in the keyboard's Tab order the rows stay
// in page order whenever they were made.
class PageRows : public QObject {
  Q_OBJECT

 public:
  // The nine controls of a row, in the order of the names above.
  enum Control {
    Picture,
    Label,
    FileName,
    Handle,
    TickShown,
    TickHidden,
    Edit,
    Rename,
    Delete,
    kControlCount
  };
  // Space between two rows; the pitch is the row picture's height plus this.
  static constexpr int kRowGap = 20;

  // One row: its frame in the canvas (null while the row has not come near
  // the view yet), the frame's top as built, and the controls inside the
  // frame. `dy` and `visible` are what the drag asked of the row, kept for
  // when its frame is made.
  struct Row {
    QWidget* frame = nullptr;
    int top = 0;
    int dy = 0;
    bool visible = true;
    std::array<QWidget*, kControlCount> controls{};
  };

  PageRows(Site& site, const Pictures& pictures, QWidget* canvas);
  ~PageRows() override;

  // Makes a row for every page of the site (the rows there were go first);
  // the controls of those near the view are made at once, the others when
  // the list is scrolled or grows towards them.
  void BuildPageRows();
  void FreePageRows();
  bool built() const { return host_ != nullptr; }
  int count() const { return static_cast<int>(rows_.size()); }
  const Row& row(int i) const { return rows_.at(static_cast<size_t>(i)); }
  QWidget* canvas() const { return canvas_; }
  // The row picture's size and the distance between two row tops.
  QSize rowSize() const { return rowSize_; }
  int rowPitch() const { return rowSize_.height() + kRowGap; }

  // For the drag: rows moved out of the way (dy from their place) and back,
  // the dragged row hidden.
  void PlaceRow(int i, int dy);
  void SetRowVisible(int i, bool visible);

  // Shows row i's tick as its page's ShowInMenu stands.
  void RefreshTick(int i);

  // The drag handle of row i was pressed at `cursor` (canvas coordinates).
  void PressHandle(int i, QPoint cursor);

 signals:
  void editClicked(int row);
  void renameClicked(int row);
  void deleteClicked(int row);
  void handlePressed(int row, QPoint cursor);
  void showInMenuToggled(int row, bool show);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LoadRowPictures();
  // Makes the rows in and near the stretch of the canvas the list's view shows.
  void MakeRowsInView();
  void MakeRow(int i);
  // Puts row i's buttons where page order wants them in the Tab order.
  void PlaceInTabOrder(int i);
  void MakeTexts(int i, Row& row);
  void MakeButtons(int i, Row& row);
  void Toggle(int i);

  Site& site_;
  const Pictures& pictures_;
  QWidget* canvas_;
  QWidget* host_ = nullptr;  // holds every row, so freeing them is one delete
  std::vector<Row> rows_;
  QSize rowSize_{736, 51};
  QPixmap homePicture_;
  QPixmap pagePicture_;
  QPalette labelPalette_;
  QPalette namePalette_;
};

}  // namespace moxa
