#pragma once

namespace moxa {

// An editable region of the page shown in the editor, as the browser laid it
// out: its box in document coordinates (the page scrolled to its origin)
// and the number N of its `moxadivN` markers.
struct EditorRegion {
  int Left = 0;
  int Top = 0;
  int Right = 0;   // Left + width
  int Bottom = 0;  // Top + height
  int Number = 0;

  friend bool operator==(const EditorRegion&, const EditorRegion&) = default;
};

}  // namespace moxa
