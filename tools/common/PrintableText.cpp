#include "tools/common/PrintableText.h"

namespace PrintableText {

QString escaped(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const ushort u = c.unicode();
    if (u == '\n') {
      out += QLatin1String("\\n");
    } else if (u == '\r') {
      out += QLatin1String("\\r");
    } else if (u == '\t') {
      out += QLatin1String("\\t");
    } else if (u < 0x20 || u == 0x7F) {
      out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
    } else if ((u >= 0x80 && u <= 0x9F) || u == 0x2028 || u == 0x2029) {
      out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
    } else {
      out += c;
    }
  }
  return out;
}

QString quoted(const QString& text) {
  QString inner = text;
  inner.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  inner.replace(QLatin1Char('"'), QLatin1String("\\\""));
  return QLatin1Char('"') + escaped(inner) + QLatin1Char('"');
}

}  // namespace PrintableText
