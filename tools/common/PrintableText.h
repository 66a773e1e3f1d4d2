#pragma once

#include <QString>

// Text from outside (settings files, input lines, a monitor's EDID) as the
// tools print it: on its own output line, unable to pass for another line or
// to reach the terminal as a control sequence.
namespace PrintableText {

// The text with every control character (C0, DEL, C1) and the Unicode line
// and paragraph separators written as \n, \r, \t, \xNN or \uNNNN.
QString escaped(const QString& text);

// escaped() in double quotes, with the quote and the backslash written as
// \" and \\, so the quoted text ends where the output says it does.
QString quoted(const QString& text);

}  // namespace PrintableText
