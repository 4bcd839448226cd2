#pragma once

#include <QByteArray>
#include <QString>

namespace moxa {

// Where a wrapped page's addresses point on the hosting service.
struct WrapTarget {
  QString ServiceBase;  // "http://" + the service's web host
  QString UnixName;     // the site's name
  int TemplateNumber = 0;  // the folder number of the site's template
};

// The page's text held in a PHP string, as the hosted site's front page
// includes it: backslashes doubled; with `pictures`, every "moxa_img" (any
// case) made the picture's address on the service; every "bin/" the
// template's asset address; links to pages of the site sent through the
// front page ("/?p="), links to the web, FTP and e-mail left as they were;
// and double quotes and "$" escaped, so that no page text is ever read as
// PHP. Lines end in CR LF.
QByteArray WrapPageAsPhp(const QByteArray& text, const WrapTarget& target, bool pictures);

// The template asset address: ServiceBase + "/wbx/templates/N/".
QString TemplateAssetAddress(const QString& serviceBase, int templateNumber);

}  // namespace moxa
