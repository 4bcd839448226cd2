#pragma once

#include "richtext/RtColor.h"
#include "richtext/RtDocument.h"
#include "richtext/RtPicture.h"
#include "richtext/RtStyle.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace moxa::rt {

// The HTML writer: a document as plain presentational HTML (font, b, i, u,
// s, sub, sup, div with align, ul/ol/li, a, img, hr, table), formatting
// written relative to text style 0, ASCII only, CR LF line breaks.

enum TRtSaveHTMLOption : unsigned {
  // A picture may be written over an existing file of its chosen name. The
  // names chosen never belong to an existing file (see SaveHTML), so this
  // only decides what happens when one appears while the export runs.
  rtsoOverrideImages = 1u << 0,
  // Hot pictures get border=0 like plain pictures; without it they carry no
  // border attribute and the browser draws its link border.
  rtsoNoHypertextImageBorders = 1u << 1,
};
using TRtSaveHTMLOptions = unsigned;

// Raised once per hyperlink (a text item in a hyperlink style, or a hot
// picture) just before it is written. `id` is its jump id (CollectJumps);
// `rtData` and `itemNo` say where it is. The handler fills `target` (the
// address) and `extras` (more attributes, e.g. "target=_blank"); both start
// empty. An empty target gives an a element without href. A handler that
// throws makes the export fail.
using TRtWriteHyperlinkEvent = std::function<void(int id, const TCustomRtData& rtData, int itemNo,
                                                  QString& target, QString& extras)>;

struct TRtSaveHTMLParams {
  QString Title;
  QString ImagesPrefix;  // picture files are ImagesPrefix + N + ".jpg"
  TRtSaveHTMLOptions Options = 0;
  TRtWriteHyperlinkEvent OnWriteHyperlink;
};

// Writes `document` as the HTML file `fileName`, and each of its pictures
// (plain, hot, the page background) as a JPEG file beside it. A picture
// whose ImageFileName is an existing file of that folder named
// ImagesPrefix + N + ".jpg" keeps that name and its file is left alone;
// every other picture takes the lowest N whose file does not exist, so
// other content's pictures are never replaced and the numbers in use run
// from 1 without gaps. A JPEG picture is written byte for byte; any other
// is drawn on its paragraph's background colour (white when none) and
// encoded as JPEG.
// Everything is built in memory and in temporary files first: on any
// failure (an unwritable folder, a picture that cannot be encoded, an
// inconsistent document, a handler that throws) the result is false and
// no file has been added or changed (with rtsoOverrideImages, a picture
// file that appeared while the export ran may have been replaced).
[[nodiscard]] bool SaveHTML(const QString& fileName, const TRtDocument& document, const TRtStyle& style,
              const TRtSaveHTMLParams& params);

// A picture the writer needs a file name for.
struct TRtHtmlPicture {
  const TRtPicture& Picture;
  const QString& ImageFileName;  // where it came from; may be empty
  TRtColor Background;           // what shows through it; rtclNone: white
};
// Gives a picture its file name (as the src attribute shows it); nothing
// makes the export fail.
using TRtHtmlPictureNamer = std::function<std::optional<QString>(const TRtHtmlPicture& picture)>;

// The markup SaveHTML writes, in memory, with pictures named by `namer`
// and not written anywhere. Nothing when the document is inconsistent or
// the namer fails; a throwing handler's exception passes through.
std::optional<QByteArray> WriteHtml(const TRtDocument& document, const TRtStyle& style,
                                    const TRtSaveHTMLParams& params,
                                    const TRtHtmlPictureNamer& namer);

}  // namespace moxa::rt
