#include "LayoutProbe.h"

#include "PageShooter.h"

#include <QVariant>

namespace moxa::tools {

namespace {

// Runs in the page. Text is measured per text node, line by line, through
// ranges: that is where the glyphs are, whatever box holds them.
const char* const kProbeScript = R"JS(
(function () {
  var W = window.innerWidth, H = window.innerHeight, problems = [];
  function say(text) { if (problems.length < 25) problems.push(text); }
  function label(text) { return '"' + text.trim().replace(/\s+/g, ' ').slice(0, 40) + '"'; }
  function shown(el) {
    for (var e = el; e; e = e.parentElement) {
      var s = getComputedStyle(e);
      if (s.visibility === 'hidden' || s.opacity === '0') return false;
    }
    return true;
  }
  var width = document.documentElement.scrollWidth;
  if (width > W + 1) say('the page is ' + width + ' px wide in a ' + W + ' px window');

  var boxes = [];
  var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  while (walker.nextNode()) {
    var node = walker.currentNode;
    if (!node.data.trim() || !shown(node.parentElement)) continue;
    var range = document.createRange();
    range.selectNodeContents(node);
    var rects = range.getClientRects();
    for (var i = 0; i < rects.length; ++i) {
      var r = rects[i];
      if (r.width < 1 || r.height < 1) continue;
      boxes.push({ node: node, el: node.parentElement, text: label(node.data),
                   index: i,
                   left: r.left + scrollX, right: r.right + scrollX,
                   top: r.top + scrollY, bottom: r.bottom + scrollY });
    }
  }

  boxes.forEach(function (b) {
    if (b.left < -1 || b.right > W + 1) say(b.text + ' reaches past the side of the window');
    for (var e = b.el; e && e !== document.body; e = e.parentElement) {
      var s = getComputedStyle(e);
      var clipsX = s.overflowX !== 'visible', clipsY = s.overflowY !== 'visible';
      if (!clipsX && !clipsY) continue;
      var c = e.getBoundingClientRect();
      var cl = c.left + scrollX, ct = c.top + scrollY;
      if ((clipsX && (b.left < cl - 1 || b.right > cl + c.width + 1)) ||
          (clipsY && (b.top < ct - 2 || b.bottom > ct + c.height + 2))) {
        say(b.text + ' is cut off by its box');
        break;
      }
    }
  });

  for (var i = 0; i < boxes.length; ++i) {
    for (var j = i + 1; j < boxes.length; ++j) {
      var a = boxes[i], b = boxes[j];
      if (a.node === b.node) continue;
      var w = Math.min(a.right, b.right) - Math.max(a.left, b.left);
      var h = Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top);
      var lower = Math.min(a.bottom - a.top, b.bottom - b.top);
      if (w > 2 && h > 0.35 * lower) say(a.text + ' and ' + b.text + ' are drawn over one another');
    }
  }

  // Each box is scrolled to the middle of the window and measured again
  // there (boxes that stick to the window move with it), then the point in
  // its middle must hit its own text.
  boxes.forEach(function (b) {
    window.scrollTo(0, Math.max(0, (b.top + b.bottom) / 2 - H / 2));
    var range = document.createRange();
    range.selectNodeContents(b.node);
    var r = range.getClientRects()[b.index];
    if (!r) return;
    var x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    if (y < 0 || y > H) {
      say(b.text + ' cannot be scrolled into the window');
      return;
    }
    var hit = document.elementFromPoint(x, y);
    if (hit && hit !== b.el && !b.el.contains(hit) && !hit.contains(b.el)) {
      say(b.text + ' is covered by <' + hit.tagName.toLowerCase() +
          (hit.className ? ' class="' + hit.className + '"' : '') + '>');
    }
  });
  window.scrollTo(0, 0);

  Array.prototype.forEach.call(document.images, function (img) {
    var r = img.getBoundingClientRect();
    if (r.width > 0 && shown(img) && (r.left + scrollX < -1 || r.right + scrollX > W + 1)) {
      say('the picture ' + img.getAttribute('src') + ' reaches past the side of the window');
    }
  });
  return problems;
})()
)JS";

}  // namespace

const std::vector<ViewportCase>& LayoutViewports() {
  static const std::vector<ViewportCase> cases = {
      {"editor at the smallest window", QSize(1130, 400)},
      {"desktop", QSize(1400, 900)},
      {"phone", QSize(390, 844)},
  };
  return cases;
}

QStringList LayoutProblems(PageShooter& shooter, const QString& htmlFile, QSize viewport) {
  QString error;
  const QVariant result = shooter.Inspect(htmlFile, viewport, QString::fromUtf8(kProbeScript), &error);
  if (!result.isValid()) return {error.isEmpty() ? QStringLiteral("could not be inspected") : error};
  return result.toStringList();
}

}  // namespace moxa::tools
