#pragma once

#include <QString>

namespace moxa {

// One page of the site: its file and the metadata kept beside it.
struct TSitePage {
  bool ShowInMenu = false;
  QString WindowTitle;
  QString Description;
  bool IsHomePage = false;
  bool Changed = false;  // since the last publish
  QString FileName;      // without ".html"
  QString Keywords;
  QString Heading;
  QString Label_;
  QString Text1;
  QString Text2;
  QString Text3;
  QString Text4;
  QString Text5;
  QString Text6;

  bool operator==(const TSitePage&) const = default;
};

}  // namespace moxa
