#include "richtext/HtmlExporter.h"

#include "richtext/HtmlFileCommit.h"
#include "richtext/HtmlPictureFiles.h"
#include "richtext/HtmlWriter.h"

#include <QFileInfo>

namespace moxa::rt {

bool SaveHTML(const QString& fileName, const TRtDocument& document, const TRtStyle& style,
              const TRtSaveHTMLParams& params) {
  const QString folder = QFileInfo(fileName).absolutePath();
  THtmlPictureFiles pictures(folder, params.ImagesPrefix);
  std::optional<QByteArray> html;
  try {
    html = WriteHtml(document, style, params,
                     [&pictures](const TRtHtmlPicture& picture) { return pictures.Add(picture); });
  } catch (...) {
    return false;  // the link handler failed, or memory ran out
  }
  if (!html) return false;
  return CommitFiles(folder, pictures.NewFiles(), fileName, *html,
                     params.Options & rtsoOverrideImages);
}

}  // namespace moxa::rt
