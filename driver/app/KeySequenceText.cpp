#include "driver/app/KeySequenceText.h"

#include <QKeySequence>
#include <QStringList>

namespace {

QString bracketedParts(int key) {
  const QString portable = QKeySequence(key).toString(QKeySequence::PortableText);
  QString text;
  for (const QString& part : portable.split(QLatin1Char('+'))) {
    if (part.isEmpty()) break;
    text += QLatin1Char('[') + part + QLatin1String("]+");
  }
  text.chop(1);
  return text;
}

}  // namespace

QString keySequenceText(int key) {
  const int modifiers = key & int(Qt::KeyboardModifierMask);
  if ((key & ~int(Qt::KeyboardModifierMask)) != Qt::Key_Plus) return bracketedParts(key);
  // "+" joins the parts of a sequence's text, so the plus key has no part of
  // its own there ("Ctrl++") and would be lost. Held with Shift it is the
  // shifted "=" key of most layouts, typed as just that; otherwise (the
  // keypad's, or a layout's own "+" key) it is the keypad plus, which gives
  // "+" whatever the layout.
  if ((modifiers & Qt::ShiftModifier) && !(modifiers & Qt::KeypadModifier)) return bracketedParts(Qt::Key_Equal | modifiers);
  const QString held = bracketedParts(modifiers & ~int(Qt::KeypadModifier));
  return held.isEmpty() ? QStringLiteral("[Plus]") : held + QLatin1String("+[Plus]");
}
