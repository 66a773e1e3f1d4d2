#include "TabletDescription.h"

#include <QFile>
#include <QRegularExpression>

bool parseHexBytes(const QString& text, QByteArray& bytes) {
  bytes.clear();
  for (const QString& group : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
    if (group.size() % 2 != 0) return false;
    for (int i = 0; i < group.size(); i += 2) {
      bool ok = false;
      const uint value = group.mid(i, 2).toUInt(&ok, 16);
      if (!ok) return false;
      bytes.append(char(value));
    }
  }
  return true;
}

bool TabletDescription::read(const QString& path, TabletDescription& description, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
  }
  description = TabletDescription();
  int number = 0;
  while (!file.atEnd()) {
    ++number;
    QString line = QString::fromUtf8(file.readLine());
    const int comment = line.indexOf('#');
    if (comment >= 0) line.truncate(comment);
    line = line.trimmed();
    if (line.isEmpty()) continue;
    const QString keyword = line.section(' ', 0, 0);
    const QString rest = line.section(' ', 1).trimmed();
    const auto fail = [&](const QString& why) {
      error = QStringLiteral("%1:%2: %3").arg(path).arg(number).arg(why);
      return false;
    };
    Interface* current = description.interfaces.empty() ? nullptr : &description.interfaces.back();
    QByteArray bytes;
    bool ok = true;
    if (keyword == "name") {
      description.name = rest.toUtf8();
    } else if (keyword == "vendor" || keyword == "product") {
      const uint value = rest.toUInt(&ok, 16);
      if (!ok || value > 0xFFFF) return fail("not a 16-bit hexadecimal number");
      (keyword == "vendor" ? description.vendorId : description.productId) = uint16_t(value);
    } else if (keyword == "init") {
      if (!parseHexBytes(rest, description.initReport)) return fail("not hexadecimal bytes");
    } else if (keyword == "interface") {
      Interface added;
      const QStringList words = rest.split(' ', Qt::SkipEmptyParts);
      if (words.isEmpty()) return fail("an interface needs a name");
      added.name = words[0];
      if (words.size() == 3 && words[1] == "iap") added.iapDevType = words[2].toInt(&ok);
      if (!ok || (words.size() != 1 && words.size() != 3)) return fail("interface NAME [iap DEVTYPE]");
      description.interfaces.push_back(added);
    } else if (!current) {
      return fail(keyword + " before the first interface");
    } else if (keyword == "descriptor") {
      if (!parseHexBytes(rest, bytes)) return fail("not hexadecimal bytes");
      current->descriptor += bytes;
    } else if (keyword == "feature") {
      const uint id = rest.section(' ', 0, 0).toUInt(&ok, 16);
      if (!ok || id > 0xFF || !parseHexBytes(rest.section(' ', 1), bytes)) return fail("feature ID HEX...");
      current->features[uint8_t(id)] = bytes;
    } else if (keyword == "product-name") {
      current->productName = rest.toUtf8();
    } else {
      return fail("unknown statement " + keyword);
    }
  }
  if (description.interfaces.empty()) {
    error = path + ": no interface";
    return false;
  }
  return true;
}
