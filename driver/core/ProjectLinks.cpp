#include "driver/core/ProjectLinks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace ProjectLinks {

namespace {

QString helpPage(const QString& language, const char* page) {
  return QUrl::fromLocalFile(helpDirectory() + "/" + language + "/" + QLatin1String(page)).toString();
}

}  // namespace

QString helpDirectory() {
  const QString programDir = QCoreApplication::applicationDirPath();
  const QStringList candidates = {programDir + "/help", programDir + "/../share/varnex/help"};
  for (const QString& dir : candidates)
    if (QFileInfo(dir).isDir()) return QDir::cleanPath(dir);
  return QDir::cleanPath(candidates.first());
}

std::array<QString, 5> urlsFor(Site site) {
  const QString language = site == Site::Chinese ? QStringLiteral("zh") : QStringLiteral("en");
  return {helpPage(language, "home.html"), helpPage(language, "download.html"),
          helpPage(language, "tablet-not-found.html"), helpPage(language, "virtual-device.html"),
          helpPage(language, "faq.html")};
}

QString logHomePage() { return helpPage(QStringLiteral("en"), "home.html"); }

}  // namespace ProjectLinks
