#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace moxa {

// Keeps the template pictures that a page's regions show when the site
// takes another template (whose assets replace the old ones): each picture
// address into the old site's "bin" folder is copied into the new working
// folder as the user's next picture (moxa_imgN.jpg) and the address points
// there. A picture shown by several regions or pages is copied once.
class KeptPictures {
 public:
  KeptPictures(const QString& oldSiteFolder, const QString& newSiteFolder);

  // Rewrites the addresses in `content`; false when a picture it shows
  // could not be copied.
  [[nodiscard]] bool Keep(QByteArray& content);

 private:
  // The new name of the picture at `address`, "" when it is no template
  // picture of the old site, nothing when it could not be copied.
  std::optional<QString> KeptName(const QString& address);
  QString NextFreeName();

  QString oldFolder_;
  QString newFolder_;
  QHash<QString, QString> kept_;  // old file -> its new name
  int next_ = 1;
};

}  // namespace moxa
