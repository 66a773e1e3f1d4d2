#include "driver/app/KeySequenceText.h"

#include <QKeySequence>
#include <QStringList>

QString keySequenceText(int key) {
  const QString portable = QKeySequence(key).toString(QKeySequence::PortableText);
  QString text;
  for (const QString& part : portable.split(QLatin1Char('+'))) {
    if (part.isEmpty()) break;
    text += QLatin1Char('[') + part + QLatin1String("]+");
  }
  text.chop(1);
  return text;
}
