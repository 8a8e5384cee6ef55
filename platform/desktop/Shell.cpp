#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <strings.h>

#include "platform/include/plat/system.h"

namespace plat {
namespace {

constexpr INT_PTR kOpened = 42;
constexpr INT_PTR kFileNotFound = 2;
constexpr INT_PTR kNoAssociation = 31;

bool IsUrl(const char* file) {
  return strncasecmp(file, "http://", 7) == 0 || strncasecmp(file, "https://", 8) == 0 ||
         strncasecmp(file, "mailto:", 7) == 0 || strncasecmp(file, "file:", 5) == 0;
}

bool IsAbsolute(const char* file) {
  return file[0] == '/' || file[0] == '\\' || (file[0] && file[1] == ':');
}

}  // namespace

INT_PTR ShellExecute(HWND, const char* verb, const char* file, const char*, const char* folder,
                     int) {
  if (!file || !*file) return kFileNotFound;
  if (verb && *verb && strcasecmp(verb, "open") != 0) return kNoAssociation;
  QString target;
  if (IsUrl(file)) {
    target = QString::fromLatin1(file);
  } else {
    std::string name = file;
    if (folder && *folder && !IsAbsolute(file)) name = std::string(folder) + "/" + file;
    char resolved[4096];
    if (!ResolvePath(name.c_str(), resolved, sizeof resolved) || !FileExists(resolved)) {
      return kFileNotFound;
    }
    target = QUrl::fromLocalFile(QFileInfo(QString::fromLocal8Bit(resolved)).absoluteFilePath())
                 .toString();
  }
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return kNoAssociation;
  return QProcess::startDetached(opener, {target}) ? kOpened : kNoAssociation;
}

}  // namespace plat
