#pragma once

#include "platform/FtpUpload.h"
#include "publish/WrapPage.h"
#include "site/Folders.h"
#include "site/Site.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace moxa {

// The picture files of the working folder that a page's text refers to
// ("moxa_img" + number + an extension, any case), each once, in the order
// they first occur. Only files that exist count.
QStringList PicturesOfPage(const QByteArray& pageText, const QString& workFolder);

// Calls back with (uploaded so far, to upload) as files go up.
using UploadProgress = std::function<void(int done, int total)>;

// Puts every page marked Changed on the server, wrapped as PHP (through the
// staging file "uperdyup.html" of the working folder), as FILE.html.php in
// `folder`, after every picture those pages show. A page loses its mark only
// once its upload succeeded. The first failure ends the run: false, the
// error naming the file and the reason, the pages not uploaded still marked.
// An empty folder is a failure too: nothing would reach the site.
bool UploadChangedPages(Site& site, const Folders& folders, const WrapTarget& target,
                        FtpUploader& uploader, const QString& folder, const UploadProgress& progress,
                        QString* error);

// The staging file: every file goes up from here, rewritten.
QString StagingFile(const Folders& folders);

}  // namespace moxa
