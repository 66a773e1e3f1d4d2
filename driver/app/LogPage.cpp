#include "driver/app/LogPage.h"

#include "driver/core/ProjectLinks.h"

namespace LogPage {

namespace {

// The filter shows every class for "a" and only the chosen one otherwise.
const char kHeader[] = R"html(
<?xml version="1.0" encoding="utf-8" standalone="yes"?>
<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">
<html xmlns="http://www.w3.org/1999/xhtml">
<head>
<title>Kestrune log file</title>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8" />
<style type="text/css" id="logCss">
body { background: #18242b; color: #afc6d1; margin-left: 20px; margin-right: 20px; font-size: 14px; font-family: Arial, sans-serif, sans; }
a { text-decoration: none; }
a:link { color: #a0b2bb; }
a:active { color: #f59504; }
a:visited { color: #adc7d4; }
a:hover { color: #e49115; }
h1 { text-align: center; }
h2 { color: #ebe5e5; }
.d, .w, .c, .f, .i { padding: 3px; overflow: auto; }
.d { background-color: #0f1011; color: #a8c1ce; }
.i { background-color: #294453; color: #a8c1ce; }
.w { background-color: #7993a0; color: #1b2329; }
.c { background-color: #ff952b; color: #1d2930; }
.f { background-color: #fc0808; color: #19242b; }
</style>
</head>
<body>
<h1><a href="%HOME%">Varnex Tablet Logger</a></h1>
<script type="text/javascript">
function objHide(obj) { obj.style.display = "none"; }
function objShow(obj) { obj.style.display = "block"; }
function selectType() {
  var chosen = document.getElementById("typeSelect").value;
  var classes = ["d", "i", "w", "c", "f"];
  for (var c = 0; c < classes.length; c++) {
    var elements = document.getElementsByClassName(classes[c]);
    for (var e = 0; e < elements.length; e++) {
      if (chosen == "a" || chosen == classes[c]) objShow(elements[e]); else objHide(elements[e]);
    }
  }
}
</script>
<select id="typeSelect" onchange="selectType()">
<option value="a" selected="selected">All</option>
<option value="d">Debug</option>
<option value="i">Info</option>
<option value="w">Warning</option>
<option value="c">Critical</option>
<option value="f">Fatal</option>
</select>
)html";

// Qt numbers its message types debug 0, warning 1, critical 2, fatal 3, info 4.
const char kClassLetters[] = "dwcfi";

QString withCrLf(const char* text) {
  QString result = QString::fromUtf8(text);
  result.replace(QLatin1String("\n"), QLatin1String("\r\n"));
  return result;
}

}  // namespace

QString fileName(const QString& dir, const QDateTime& when) {
  const QDate date = when.date();
  return dir + QString::asprintf("/%04d-%02d-%02d_%02d_log.html", date.year(), date.month(), date.day(),
                                 when.time().hour());
}

QString timeStamp(const QDateTime& when) {
  const QDate date = when.date();
  const QTime time = when.time();
  return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", date.year(), date.month(), date.day(), time.hour(),
                           time.minute(), time.second());
}

const QString& header() {
  // The title links to the driver's home page shipped beside it.
  static const QString text = withCrLf(kHeader).replace(QLatin1String("%HOME%"), escaped(ProjectLinks::logHomePage()));
  return text;
}

QChar classLetter(QtMsgType type) {
  const int index = static_cast<int>(type);
  return index >= 0 && index < 5 ? QChar::fromLatin1(kClassLetters[index]) : QChar('d');
}

QString text(const QString& message, const QDateTime& when) {
  return timeStamp(when) + QLatin1Char(' ') + escaped(message);
}

QString line(QtMsgType type, const QString& text) {
  // One pass over both arguments, so a "%1" inside the message stays as it is.
  return QStringLiteral("<div class=\"%1\">%2</div>\r\n").arg(QString(classLetter(type)), text);
}

QString escaped(const QString& message) {
  QString result;
  result.reserve(message.size() + message.size() / 8);
  for (const QChar c : message) {
    switch (c.unicode()) {
      case '&': result += QLatin1String("&amp;"); break;
      case '<': result += QLatin1String("&lt;"); break;
      case '>': result += QLatin1String("&gt;"); break;
      case '"': result += QLatin1String("&quot;"); break;
      case '\'': result += QLatin1String("&#39;"); break;
      default: result += c;
    }
  }
  return result;
}

}  // namespace LogPage
