#include "app/shell/SlimScrollBar.h"

#include <QScrollArea>
#include <QScrollBar>

namespace moxa {

void UseSlimScrollBar(QScrollArea* area) {
  area->verticalScrollBar()->setStyleSheet(QStringLiteral(
      "QScrollBar:vertical { width: 7px; margin: 0; background: #F2F2F2; border: none; }"
      "QScrollBar::handle:vertical { background: #C4C4C4; border-radius: 3px; min-height: 40px; }"
      "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed {"
      " background: #9A9A9A; }"
      "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical {"
      " height: 0; border: none; background: none; }"
      "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
}

}  // namespace moxa
