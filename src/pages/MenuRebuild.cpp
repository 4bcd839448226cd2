#include "pages/MenuRebuild.h"

#include "pages/HtmlText.h"
#include "pages/LinkPrefix.h"
#include "pages/TextSearch.h"
#include "site/FileBatch.h"
#include "site/TextFiles.h"

#include <QFileInfo>

#include <array>
#include <optional>

namespace moxa {
namespace {

constexpr char kMainMarker[] = "sys_navigation";
constexpr char kSecondMarker[] = "<!-- 2nd Menu Type";
constexpr char kSecondMarkerLowered[] = "<!-- 2nd menu type";

// The markup a menu is written in: where emptying starts and stops, how a
// template item ends and opens, what stands between items.
struct MenuMarkup {
  QByteArray clearTag;
  QByteArray listEnd;
  QByteArray itemSuffix;
  QByteArray openTag;
  QByteArray separator;
};

MenuMarkup MarkupOf(MainMenuForm form) {
  switch (form) {
    case MainMenuForm::List: return {"<li", "</ul>", "</a></li>", "<li", ""};
    case MainMenuForm::Span: return {"<span", "</div>", "</a></span>", "<span", ""};
    case MainMenuForm::Bar: return {"<a", "</div>", "</a> |", "<a ", ""};
    case MainMenuForm::NestedSpan: return {"<li", "</ul>", "</span></a></li>", "<li", ""};
    case MainMenuForm::None: break;
  }
  return {};
}

MenuMarkup MarkupOf(SecondMenuType type) {
  switch (type) {
    case SecondMenuType::Type1: return {"<li", "</ul>", "</a></li>", "<li", ""};
    case SecondMenuType::Type1b:
      return {"<li", "</ul>", "</a></li>", "<li", "<li><span class=\"nav_sep\">|</span></li>"};
    case SecondMenuType::Type2: return {"<a", "</div>", "</a>", "<a ", ""};
    case SecondMenuType::Type2b: return {"<a", "</div>", "</a>", "<a", " | "};
    case SecondMenuType::None: break;
  }
  return {};
}

// The template files an item is copied from, by the page being built.
enum Source { kIndexSource, kAboutSource, kContactSource, kSourceCount };
// The template's labels, lower case as the copied markup is.
enum Label { kHome, kAboutUs, kPictureGallery, kContactUs, kLabelCount };
const QByteArray kLabels[kLabelCount] = {"home", "about us", "picture gallery", "contact us"};
// Link targets in template items that point at a page.
const QByteArray kLinkTargets[] = {"./", "index.php", "about-us.php", "picture-gallery.php",
                                   "contact-us.php"};

Source SourceFor(int page, int count) {
  if (page == 0) return kIndexSource;
  return page == count - 1 ? kContactSource : kAboutSource;
}

// The template label whose item stands for page r on page `current`.
Label LabelFor(int r, int current, int count) {
  if (r == 0) return kHome;
  if (r == count - 1) return kContactUs;
  return r == current ? kAboutUs : kPictureGallery;
}

// The template item for `label`: from the opening tag through the end
// marker, in the lowered source cut after the menu's marker.
std::optional<QByteArray> TemplateItem(const QByteArray& cut, Label label,
                                       const MenuMarkup& markup) {
  const QByteArray endMarker = kLabels[label] + markup.itemSuffix;
  const qsizetype end = cut.indexOf(endMarker);
  if (end <= 0) return std::nullopt;
  const qsizetype open = ReversePos(markup.openTag, cut, end + 1, false, false);
  if (open == 0) return std::nullopt;  // no opening tag: the item has no extent
  return cut.mid(open - 1, end + endMarker.size() - (open - 1));
}

// The item with the template label replaced by the page's label and every
// page link pointing at the page's file, in one pass so that neither
// substitution can rewrite text the other inserted.
QByteArray RenderItem(const QByteArray& item, Label label, const TSitePage& page) {
  const QByteArray& templateLabel = kLabels[label];
  const QByteArray pageLabel = EscapeHtmlText(page.Label_);
  const QByteArray pageLink = page.FileName.toUtf8() + ".html";
  QByteArray out;
  out.reserve(item.size() + pageLabel.size() + pageLink.size() + 8);
  out += "\r\n";
  const QByteArrayView view(item);
  for (qsizetype i = 0; i < item.size();) {
    const QByteArrayView rest = view.sliced(i);
    if (rest.startsWith(templateLabel)) {
      out += pageLabel;
      i += templateLabel.size();
      continue;
    }
    bool linked = false;
    for (const QByteArray& target : kLinkTargets) {
      if (rest.startsWith(target)) {
        out += pageLink;
        i += target.size();
        linked = true;
        break;
      }
    }
    if (!linked) out += item[i++];
  }
  out += "\r\n";
  return out;
}

// Builds the items of one menu for every page, caching what pages share.
class MenuItems {
 public:
  MenuItems(const std::vector<TSitePage>& pages, const std::array<QByteArray, kSourceCount>& cuts,
            MenuMarkup markup)
      : pages_(pages), cuts_(cuts), markup_(std::move(markup)) {
    for (auto& row : rendered_) row.resize(pages.size());
  }

  // All items of the menu on page `current`, in page order. A page hidden
  // from the menu has no item; the home page's item always stays.
  QByteArray ForPage(int current) {
    const int count = static_cast<int>(pages_.size());
    const Source source = SourceFor(current, count);
    QByteArray out;
    for (int r = 0; r < count; ++r) {
      const TSitePage& page = pages_[static_cast<size_t>(r)];
      if (!page.ShowInMenu && !page.IsHomePage && r != 0) continue;
      const QByteArray item = LabelFor(r, current, count) == kAboutUs
                                  ? Render(source, r, kAboutUs)
                                  : Shared(source, r);
      if (item.isEmpty()) continue;
      if (!out.isEmpty()) out += markup_.separator;
      out += item;
    }
    return out;
  }

  const MenuMarkup& markup() const { return markup_; }

 private:
  // Items that look the same on every page built from `source`.
  const QByteArray& Shared(Source source, int r) {
    auto& slot = rendered_[source][static_cast<size_t>(r)];
    if (!slot) slot = Render(source, r, LabelFor(r, -1, static_cast<int>(pages_.size())));
    return *slot;
  }

  QByteArray Render(Source source, int r, Label label) {
    auto& item = items_[source][label];
    if (!item) item = TemplateItem(cuts_[source], label, markup_).value_or(QByteArray());
    if (item->isEmpty()) return QByteArray();
    return RenderItem(*item, label, pages_[static_cast<size_t>(r)]);
  }

  const std::vector<TSitePage>& pages_;
  const std::array<QByteArray, kSourceCount>& cuts_;
  MenuMarkup markup_;
  std::optional<QByteArray> items_[kSourceCount][kLabelCount];
  std::vector<std::optional<QByteArray>> rendered_[kSourceCount];
};

// Empties the menu that follows `markerAt` and puts `items` in its place.
void RefillMenu(QByteArray& text, qsizetype markerAt, const MenuMarkup& markup,
                const QByteArray& items) {
  const qsizetype clearFrom = text.indexOf(markup.clearTag, markerAt);
  const qsizetype clearTo = text.indexOf(markup.listEnd, markerAt);
  if (clearFrom >= 0 && clearTo >= 0 && clearFrom < clearTo) {
    text.remove(clearFrom, clearTo - clearFrom);
  }
  const qsizetype insertAt = IndexOfIgnoringAsciiCase(text, markup.listEnd, markerAt);
  if (insertAt < 0) return;
  // The line break that began the first item is still there from the last
  // rebuild: do not add another, so rebuilding again changes nothing.
  const bool lineBreakBefore = insertAt >= 2 && text.mid(insertAt - 2, 2) == "\r\n";
  if (lineBreakBefore && items.startsWith("\r\n")) {
    text.insert(insertAt, QByteArrayView(items).sliced(2));
  } else {
    text.insert(insertAt, items);
  }
}

// Reads a template file lowered; a missing about-us or contact-us file
// falls back to index.html so such a site still gets complete menus. The
// template's index.html must be there: without it every menu would be
// emptied.
std::array<QByteArray, kSourceCount> ReadSources(const QString& templateFolder, bool* ok) {
  const QString names[kSourceCount] = {QStringLiteral("index.html"),
                                       QStringLiteral("about-us.html"),
                                       QStringLiteral("contact-us.html")};
  std::array<QByteArray, kSourceCount> sources;
  *ok = QFileInfo(templateFolder + names[kIndexSource]).isFile();
  for (int s = 0; s < kSourceCount && *ok; ++s) {
    const QString path = templateFolder + names[s];
    if (s != kIndexSource && !QFileInfo::exists(path)) {
      sources[s] = sources[kIndexSource];
      continue;
    }
    bool read = true;
    sources[s] = AsciiLower(ReadTextFile(path, &read));
    *ok = read && !sources[s].isEmpty();
  }
  return sources;
}

std::array<QByteArray, kSourceCount> CutAfter(const std::array<QByteArray, kSourceCount>& sources,
                                              const char* loweredMarker) {
  std::array<QByteArray, kSourceCount> cuts;
  for (int s = 0; s < kSourceCount; ++s) {
    const qsizetype at = sources[s].indexOf(loweredMarker);
    cuts[s] = at < 0 ? sources[s] : sources[s].mid(at + 1);
  }
  return cuts;
}

}  // namespace

MainMenuForm RecognizeMainMenuForm(const QByteArray& loweredIndex) {
  for (MainMenuForm form : {MainMenuForm::List, MainMenuForm::Span, MainMenuForm::Bar,
                            MainMenuForm::NestedSpan}) {
    if (loweredIndex.contains("home" + MarkupOf(form).itemSuffix)) return form;
  }
  return MainMenuForm::None;
}

SecondMenuType RecognizeSecondMenuType(const QByteArray& page) {
  if (page.indexOf(kSecondMarker) < 1) return SecondMenuType::None;
  static const struct {
    const char* comment;
    SecondMenuType type;
  } kTypes[] = {{"<!-- 2nd Menu Type 1 -->", SecondMenuType::Type1},
                {"<!-- 2nd Menu Type 1b -->", SecondMenuType::Type1b},
                {"<!-- 2nd Menu Type 2 -->", SecondMenuType::Type2},
                {"<!-- 2nd Menu Type 2b -->", SecondMenuType::Type2b}};
  for (const auto& t : kTypes) {
    if (page.contains(t.comment)) return t.type;
  }
  return SecondMenuType::None;
}

namespace {

// Refills both menus of page texts, sharing the template's items between pages.
class MenuRefiller {
 public:
  MenuRefiller(const std::vector<TSitePage>& pages, const std::array<QByteArray, kSourceCount>& sources)
      : pages_(pages),
        form_(RecognizeMainMenuForm(sources[kIndexSource])),
        mainCuts_(CutAfter(sources, kMainMarker)),
        secondCuts_(CutAfter(sources, kSecondMarkerLowered)),
        mainItems_(pages, mainCuts_, MarkupOf(form_)) {}

  // The menus of `text` as they must stand on page `index`.
  void Refill(QByteArray& text, int index) {
    const qsizetype mainAt = text.indexOf(kMainMarker);
    if (form_ != MainMenuForm::None && mainAt >= 0) {
      RefillMenu(text, mainAt, mainItems_.markup(), mainItems_.ForPage(index));
    }
    const SecondMenuType type = RecognizeSecondMenuType(text);
    if (type == SecondMenuType::None) return;
    auto& items = secondItems_[static_cast<int>(type)];
    if (!items) items.emplace(pages_, secondCuts_, MarkupOf(type));
    RefillMenu(text, text.indexOf(kSecondMarker), items->markup(), items->ForPage(index));
  }

 private:
  const std::vector<TSitePage>& pages_;
  MainMenuForm form_;
  std::array<QByteArray, kSourceCount> mainCuts_;
  std::array<QByteArray, kSourceCount> secondCuts_;
  MenuItems mainItems_;
  std::optional<MenuItems> secondItems_[5];
};

// The open page's working copy gets the new menus too: otherwise its next
// save would write the old menus back into the page. Its links stay disabled.
bool StageWorkingCopy(const Site& site, const Folders& folders, MenuRefiller& refiller,
                      FileBatch& batch) {
  const int open = site.IndexOfFileName(site.OpenPageFileName);
  const QString path = folders.WorkingCopyFile();
  if (open < 0 || (!batch.Staged(path) && !QFileInfo(path).isFile())) return true;
  const auto copy = TextAfterBatch(batch, path);
  if (!copy) return false;
  QByteArray text = RemoveEditorLinkPrefixes(*copy);
  refiller.Refill(text, open);
  batch.Write(path, TextFileBytes(AddEditorLinkPrefixes(text)));
  return true;
}

}  // namespace

bool StageMenuRebuild(Site& site, const Folders& folders, int templateNumber, FileBatch& batch) {
  bool ok = true;
  const auto sources = ReadSources(folders.TemplateFolder(templateNumber), &ok);
  if (!ok) return false;
  MenuRefiller refiller(site.SitePages(), sources);
  for (int i = 0; i < site.PageCount(); ++i) {
    TSitePage& page = site.Page(i);
    const QString path = folders.PageFile(page.FileName);
    // A page whose file is gone gets no new file made of menus alone.
    if (!batch.Staged(path) && !QFileInfo(path).isFile()) continue;
    const auto current = TextAfterBatch(batch, path);
    if (!current) return false;
    QByteArray text = *current;
    refiller.Refill(text, i);
    text = TextFileBytes(text);
    if (text == *current) continue;
    batch.Write(path, text);
    page.Changed = true;
  }
  return StageWorkingCopy(site, folders, refiller, batch);
}

bool RebuildMenus(Site& site, const Folders& folders, int templateNumber) {
  FileBatch batch;
  return StageMenuRebuild(site, folders, templateNumber, batch) && batch.Commit();
}

}  // namespace moxa
