// Opens a log page written by the program in a real browser and checks that
// the level filter hides and shows the right lines, and that markup inside a
// message stays text.

#include "LogPages.h"
#include "driver/app/KeptOpenLogWriter.h"
#include "driver/app/LogPage.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Appended to a copy of the page: chooses every filter option in turn the way
// a user does (a change event on the select) and records which classes are
// still displayed. The page's head is never closed, so the probe runs after
// every line has been parsed.
const char kProbe[] = R"js(
<script>
var select = document.getElementById("typeSelect");
var report = [];
["a", "d", "i", "w", "c", "f"].forEach(function (value) {
  select.value = value;
  select.dispatchEvent(new Event("change"));
  var shown = "";
  document.querySelectorAll("div").forEach(function (div) {
    if (getComputedStyle(div).display != "none" && shown.indexOf(div.className) < 0) shown += div.className;
  });
  report.push(value + ":" + shown);
});
report.push("title:" + document.title);
report.push("elements in lines:" + document.querySelectorAll("div *").length);
report.push("markup line:" + document.querySelector("div.c").textContent.substring(20));
var out = document.createElement("pre");
out.id = "probe";
out.textContent = report.join("|");
document.body.appendChild(out);
</script>
)js";

QString findChromium() {
  for (const char* name : {"chromium", "chromium-browser", "google-chrome"}) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!path.isEmpty()) return path;
  }
  return {};
}

}  // namespace

TEST(ChromiumLogFilter, TheSelectShowsOneClassOrAllAndMessagesStayText) {
  const QString chromium = findChromium();
  if (chromium.isEmpty()) GTEST_SKIP() << "chromium is not installed";

  const QString dir = testenv::freshDir("chromium-log");
  const QDateTime now = QDateTime::currentDateTime();
  const QString page = LogPage::fileName(dir, now);
  {
    KeptOpenLogWriter writer;
    const QList<QPair<QtMsgType, QString>> messages = {
        {QtDebugMsg, "debug one"},
        {QtInfoMsg, "info one"},
        {QtWarningMsg, "warning one"},
        {QtCriticalMsg, "<script>document.title='pwned'</script><b>bold</b> & \"quoted\""},
        {QtFatalMsg, "fatal one"},
        {QtDebugMsg, "debug two"}};
    for (const auto& [type, message] : messages) writer.write(page, LogPage::line(type, LogPage::text(message, now)));
  }
  const QString probed = dir + "/probed.html";
  {
    QFile out(probed);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(logpages::read(page).toUtf8() + kProbe);
  }

  QProcess browser;
  browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                           "--disable-background-networking", "--disable-component-update", "--disable-sync",
                           "--user-data-dir=" + testenv::freshDir("chromium-profile"), "--dump-dom",
                           QUrl::fromLocalFile(probed).toString()});
  ASSERT_TRUE(browser.waitForFinished(120000)) << "chromium did not finish";
  const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
  const int start = dom.indexOf("<pre id=\"probe\">");
  ASSERT_GE(start, 0) << "no probe result in:\n"
                      << dom.toStdString() << "\n"
                      << browser.readAllStandardError().toStdString();
  const QString report = dom.mid(start + 16, dom.indexOf("</pre>", start) - start - 16);

  EXPECT_EQ(report.split('|').join('\n').toStdString(),
            QStringList({"a:diwcf", "d:d", "i:i", "w:w", "c:c", "f:f", "title:Kestrune log file",
                         "elements in lines:0",
                         // --dump-dom serialises the text with its own escapes.
                         "markup line:&lt;script&gt;document.title='pwned'&lt;/script&gt;&lt;b&gt;bold&lt;/b&gt; "
                         "&amp; \"quoted\""})
                .join('\n')
                .toStdString());
}
