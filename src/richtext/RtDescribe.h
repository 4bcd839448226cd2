#pragma once

#include "richtext/RtDocument.h"
#include "richtext/RtStyle.h"

#include <QString>

#include <iosfwd>

namespace moxa::rt {

// Readable descriptions for test failures and bug reports: one line per
// item (table cells indented below their table), styles, tables, cells and
// the rest as the fields that differ from a default one. Not a stable
// format.
QString DescribeData(const TCustomRtData& data, int indent = 0);
QString DescribeDocument(const TRtDocument& document);
QString DescribeStyle(const TRtStyle& style);

// GoogleTest prints values through these.
void PrintTo(const TCustomRtData& data, std::ostream* out);
void PrintTo(const TRtDocument& document, std::ostream* out);
void PrintTo(const TRtStyle& style, std::ostream* out);
void PrintTo(const TFontInfo& font, std::ostream* out);
void PrintTo(const TParaInfo& para, std::ostream* out);
void PrintTo(const TRtListInfo& list, std::ostream* out);

}  // namespace moxa::rt
