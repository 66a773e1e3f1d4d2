#pragma once

#include <QString>

namespace ReplayText {

// The text with every control character (C0, DEL, C1) and the Unicode line
// and paragraph separators written as \n, \r, \t, \xNN or \uNNNN, so that
// whatever a settings file or an input line holds, it stays on its own
// output line and cannot pass for another one.
QString escaped(const QString& text);

}  // namespace ReplayText
