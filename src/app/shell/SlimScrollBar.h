#pragma once

class QScrollArea;

namespace moxa {

// A slim vertical scroll bar (7 pixels): the gallery's third column and the
// page rows keep their room beside it.
void UseSlimScrollBar(QScrollArea* area);

}  // namespace moxa
