#include "LogPages.h"
#include "driver/app/KeptOpenLogWriter.h"
#include "driver/app/Log.h"
#include "driver/app/LogPage.h"
#include "driver/app/PerMessageLogWriter.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <functional>
#include <memory>

namespace {

const QDateTime kBeforeEleven(QDate(2026, 3, 14), QTime(10, 59, 59));
const QDateTime kEleven(QDate(2026, 3, 14), QTime(11, 0, 0));

int headCount(const QString& page) { return page.count(QStringLiteral("<title>Kestrune log file</title>")); }

QString lineAt(QtMsgType type, const QString& message, const QDateTime& when) {
  return LogPage::line(type, LogPage::text(message, when));
}

using WriterFactory = std::function<std::unique_ptr<LogWriter>()>;

class LogWriterTest : public ::testing::TestWithParam<WriterFactory> {
 protected:
  QString m_dir = testenv::freshDir("log");
};

}  // namespace

TEST_P(LogWriterTest, TheHourBoundaryStartsASecondPageWithItsOwnHead) {
  auto writer = GetParam()();
  writer->write(LogPage::fileName(m_dir, kBeforeEleven), lineAt(QtWarningMsg, "last of ten", kBeforeEleven));
  writer->write(LogPage::fileName(m_dir, kEleven), lineAt(QtDebugMsg, "first of eleven", kEleven));

  ASSERT_EQ(logpages::names(m_dir), (QStringList{"2026-03-14_10_log.html", "2026-03-14_11_log.html"}));
  const QString ten = logpages::read(m_dir + "/2026-03-14_10_log.html");
  const QString eleven = logpages::read(m_dir + "/2026-03-14_11_log.html");
  EXPECT_TRUE(ten.startsWith(LogPage::header() + "\r\n"));
  EXPECT_TRUE(eleven.startsWith(LogPage::header() + "\r\n"));
  using Line = QPair<QString, QString>;
  EXPECT_EQ(logpages::lines(ten), (QList<Line>{{"w", "2026-03-14 10:59:59 last of ten"}}));
  EXPECT_EQ(logpages::lines(eleven), (QList<Line>{{"d", "2026-03-14 11:00:00 first of eleven"}}));
}

TEST_P(LogWriterTest, AfterARestartThePageOfTheHourIsAppendedWithoutASecondHead) {
  const QString page = LogPage::fileName(m_dir, kEleven);
  GetParam()()->write(page, lineAt(QtInfoMsg, "before the restart", kEleven));
  auto writer = GetParam()();
  // Enough lines that the kept-open writer reopens the page several times.
  for (int i = 0; i < 40; ++i) writer->write(page, lineAt(QtCriticalMsg, QString("line %1").arg(i), kEleven));

  const QString text = logpages::read(page);
  EXPECT_EQ(headCount(text), 1);
  const auto lines = logpages::lines(text);
  ASSERT_EQ(lines.size(), 41);
  EXPECT_EQ(lines.first().second, "2026-03-14 11:00:00 before the restart");
  for (int i = 0; i < 40; ++i) EXPECT_EQ(lines.at(i + 1).second, QString("2026-03-14 11:00:00 line %1").arg(i));
}

TEST_P(LogWriterTest, AnUnwritableDirectoryLosesOnlyTheLines) {
  auto writer = GetParam()();
  writer->write(m_dir + "/missing/2026-03-14_11_log.html", lineAt(QtDebugMsg, "nowhere", kEleven));
  QDir().mkpath(m_dir + "/missing");
  writer->write(m_dir + "/missing/2026-03-14_11_log.html", lineAt(QtDebugMsg, "somewhere", kEleven));
  EXPECT_EQ(logpages::allLines(m_dir + "/missing").size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Writers, LogWriterTest,
                         ::testing::Values(WriterFactory([] { return std::make_unique<KeptOpenLogWriter>(); }),
                                           WriterFactory([] { return std::make_unique<PerMessageLogWriter>(); })),
                         [](const auto& info) { return std::string(info.index == 0 ? "KeptOpen" : "PerMessage"); });

TEST(LogPage, MarkupInAMessageIsShownInert) {
  const QString line = lineAt(QtWarningMsg, "tablet \"<script>alert('x')</script>\" & <b>bold</b> %1", kEleven);
  EXPECT_EQ(line,
            "<div class=\"w\">2026-03-14 11:00:00 tablet &quot;&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;&quot;"
            " &amp; &lt;b&gt;bold&lt;/b&gt; %1</div>\r\n");
}

TEST(LogPrune, KeepsTheNewestPagesAndOtherFiles) {
  const QString dir = testenv::freshDir("prune");
  QDateTime hour(QDate(2025, 1, 1), QTime(0, 0));
  for (int i = 0; i < 1025; ++i, hour = hour.addSecs(3600)) {
    QFile page(LogPage::fileName(dir, hour));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  }
  QFile notes(dir + "/0-notes.txt");
  ASSERT_TRUE(notes.open(QIODevice::WriteOnly));

  pruneLogFiles(dir, 1024);
  const QStringList pages = logpages::names(dir);
  EXPECT_EQ(pages.size(), 1024);
  EXPECT_EQ(pages.first(), "2025-01-01_01_log.html");
  EXPECT_TRUE(QFile::exists(dir + "/0-notes.txt"));
}

Q_LOGGING_CATEGORY(lcLogTest, "varnex.logtest")

// The fixed texts of the log must be found as they stand: "time message",
// without the logging category in front.
TEST(InstallLog, LinesHoldTheMessageWithoutItsCategory) {
  installLog("CategoryLog", 1024, false);
  qCCritical(lcLogTest) << "iapDevice error";
  qCInfo(lcLogTest, "[GetSHVersion] ver: %d.%d", 1, 5);
  qInstallMessageHandler(nullptr);

  QStringList seen;
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/CategoryLog";
  for (const auto& line : logpages::allLines(dir)) seen << line.second.mid(20);
  EXPECT_EQ(seen, (QStringList{"iapDevice error", "[GetSHVersion] ver: 1.5"}));
}

TEST(InstallLog, EveryMessageTypeLandsInTheApplicationsLogDirectoryWithItsClass) {
  installLog("Log", 1024, true);
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Log";
  EXPECT_EQ(logDirectory(), dir);
  qDebug("plain debug");
  qInfo("an info");
  qWarning("a <warning>");
  qCritical("a critical");
  installLog("Log2", 1024, false);
  qWarning("on the second writer");
  qInstallMessageHandler(nullptr);

  QStringList seen;
  for (const auto& line : logpages::allLines(dir)) seen << line.first + " " + line.second.mid(20);
  EXPECT_EQ(seen, (QStringList{"d plain debug", "i an info", "w a &lt;warning&gt;", "c a critical"}));
  ASSERT_EQ(logpages::allLines(dir + "2").size(), 1);
  EXPECT_EQ(logpages::allLines(dir + "2").first().first, "w");
}
