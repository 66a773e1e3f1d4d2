#include "FakeVarnexTablet.h"

#include <QKeySequence>

QString FakeVarnexTablet::keyToString(int key) {
  QString text;
  for (const QString& part : QKeySequence(key).toString(QKeySequence::PortableText).split('+')) {
    if (part.isEmpty()) break;
    text += "[" + part + "]+";
  }
  text.chop(1);
  return text;
}
