#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace moxa::tools {

class PageShooter;

// The window sizes a page must look right at: the editor's browser at the
// main window's smallest size, a common desktop, and a phone.
struct ViewportCase {
  const char* Name;
  QSize Size;
};
const std::vector<ViewportCase>& LayoutViewports();

// What is wrong with the page's layout at `viewport`, one line per fault:
// the page wider than the window, text or a picture reaching past its side,
// text clipped by a box that hides its overflow, two texts drawn over one
// another, or text covered by something else. Empty when all is well; one
// line saying so when the page could not be inspected.
QStringList LayoutProblems(PageShooter& shooter, const QString& htmlFile, QSize viewport);

}  // namespace moxa::tools
