#pragma once

// A new site's home page in the editor, and the region editor opened on a
// region the way the user opens it: pointing at it and clicking.
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/editor/RegionEditController.h"
#include "app/editor/RegionEditorDialog.h"
#include "app/editor/RegionHighlight.h"
#include "app/editor/RegionTracker.h"
#include "support/gui/Eventually.h"
#include "support/gui/PageScript.h"
#include "support/gui/WindowFixture.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>

namespace moxa {

using test::Eventually;

// On any window fixture (one with a hosting service, say).
template <class WindowBase>
class RegionEditFixtureOn : public WindowBase {
 protected:
  using WindowBase::window;

  EditorScreen* Editor() const { return window->editorScreen(); }
  QWebEngineView* Browser() const { return Editor()->browser(); }
  RegionTracker* Tracker() const { return window->editorController()->regionTracker(); }
  RegionEditController* Cycle() const { return window->editorController()->regionEditor(); }
  RegionEditorDialog* Dialog() const { return Cycle()->dialog(); }
  QByteArray WorkingCopy() const { return this->WorkFile(QStringLiteral("editpage_.html")); }

  // A new site's home page, measured.
  void ShowNewSite() {
    ASSERT_NO_FATAL_FAILURE(this->CreateSite());
    ASSERT_TRUE(Eventually([&] { return !Tracker()->regions().empty(); }, 20000));
  }
  // Points at the region numbered `number` and clicks its highlight.
  void OpenRegion(int number) {
    const auto& regions = Tracker()->regions();
    const auto region = std::find_if(regions.begin(), regions.end(),
                                     [number](const EditorRegion& r) { return r.Number == number; });
    ASSERT_NE(region, regions.end());
    const QPoint inside(region->Left + 20, region->Top + 12 - Tracker()->ScrollOffset());
    QTest::mouseMove(Browser(), inside);
    // After a reload the frame may still stand on the region it framed before.
    ASSERT_TRUE(Eventually(
        [&] { return Tracker()->highlight()->isVisible() && Tracker()->hoverRegionNumber() == number; }));
    QTest::mouseClick(Tracker()->highlight(), Qt::LeftButton, {}, QPoint(20, 12));
    ASSERT_TRUE(Eventually([&] { return Dialog()->isVisible(); }));
  }
  // Waits for the page to be shown and measured again.
  void WaitForReload(QSignalSpy& scanned) { ASSERT_TRUE(scanned.wait(20000)); }
  QString RegionTextInBrowser(int number) {
    return test::EvaluateScript(Browser()->page(),
                                QStringLiteral("document.getElementById('moxadiv%1').innerText").arg(number))
        .toString();
  }
};

using RegionEditFixture = RegionEditFixtureOn<test::WindowFixture>;

}  // namespace moxa
