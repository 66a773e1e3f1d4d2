// Every translatable text of the code must have a finished translation in
// every language, and the build must carry it into the compiled catalogues.

#include "TsCatalogue.h"
#include "driver/app/TranslationCatalogues.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTranslator>

namespace {

const QStringList kLanguageCodes = {"de", "en", "es", "fr", "jp", "ko", "ru", "zh"};

// The texts lupdate finds in the given source folders, as translators see them.
QVector<TsMessage> extractTexts(const QStringList& sourceDirs, QString* error) {
  const QString out = testenv::freshDir("lupdate") + "/extracted.ts";
  QProcess lupdate;
  lupdate.setProcessChannelMode(QProcess::MergedChannels);
  lupdate.start(QStringLiteral(VARNEX_LUPDATE), QStringList{"-silent", "-recursive", "-locations", "none",
                                                            "-extensions", "cpp,h,qml,js"}
                                                   << sourceDirs << QStringList{"-ts", out});
  if (!lupdate.waitForFinished(180000) || lupdate.exitCode() != 0) {
    *error = "lupdate failed: " + QString::fromUtf8(lupdate.readAll());
    return {};
  }
  return readTsFile(out, error);
}

// All catalogues of one language: directly in the folder or one area folder below.
QStringList catalogueFiles(const QString& dir, const QString& code) {
  const QString name = "i18n_" + code + ".ts";
  QStringList files;
  if (QFileInfo::exists(dir + "/" + name)) files << dir + "/" + name;
  const QStringList areas = QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& area : areas)
    if (QFileInfo::exists(dir + "/" + area + "/" + name)) files << dir + "/" + area + "/" + name;
  return files;
}

// One line per text that some language lacks or has left unfinished; the
// texts concerned are added to reported as "<code> <key>".
QStringList untranslated(const QVector<TsMessage>& texts, const QString& catalogueDir,
                         QSet<QString>* reported = nullptr) {
  QStringList problems;
  for (const QString& code : kLanguageCodes) {
    const QStringList files = catalogueFiles(catalogueDir, code);
    if (files.isEmpty()) {
      problems << QStringLiteral("%1: no catalogue i18n_%1.ts below %2").arg(code, catalogueDir);
      continue;
    }
    QHash<QString, bool> finished;
    for (const QString& file : files) {
      QString error;
      for (const TsMessage& message : readTsFile(file, &error))
        finished[message.key()] = finished.value(message.key()) || message.finished;
      if (!error.isEmpty()) problems << error;
    }
    for (const TsMessage& text : texts) {
      if (finished.value(text.key())) continue;
      problems << QStringLiteral("%1: %2 %3")
                      .arg(code, finished.contains(text.key()) ? "unfinished" : "missing", text.describe());
      if (reported) reported->insert(code + " " + text.key());
    }
  }
  return problems;
}

}  // namespace

TEST(Catalogues, EveryTextOfTheDriverIsTranslatedInEveryLanguageAndCompiledIn) {
  initTranslationCatalogues();
  const QString root = testenv::sourceDir();
  // holdercheck is its own program with its own catalogues, checked below.
  QStringList sourceDirs = {root + "/driver", root + "/platform"};
  const QStringList tools = QDir(root + "/tools").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& tool : tools)
    if (tool != "holdercheck") sourceDirs << root + "/tools/" + tool;

  QString error;
  const QVector<TsMessage> texts = extractTexts(sourceDirs, &error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  ASSERT_FALSE(texts.isEmpty()) << "lupdate found no texts at all";

  QSet<QString> reported;
  QStringList problems = untranslated(texts, root + "/driver/resources/i18n", &reported);
  for (const QString& code : kLanguageCodes) {
    QTranslator compiled;
    if (!compiled.load(":/i18n/i18n_" + code + ".qm")) {
      problems << code + ": no compiled catalogue in the resources";
      continue;
    }
    for (const TsMessage& text : texts) {
      if (reported.contains(code + " " + text.key())) continue;
      const QString translation = compiled.translate(text.context.toUtf8(), text.source.toUtf8(),
                                                     text.comment.toUtf8(), text.numerus ? 1 : -1);
      if (translation.isEmpty()) problems << QStringLiteral("%1: not compiled in %2").arg(code, text.describe());
    }
  }
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

TEST(Catalogues, EveryTextOfHoldercheckIsTranslatedInEveryLanguage) {
  const QString tool = testenv::sourceDir() + "/tools/holdercheck";
  if (!QFileInfo::exists(tool + "/i18n")) GTEST_SKIP() << "holdercheck has no catalogues yet";
  QString error;
  const QVector<TsMessage> texts = extractTexts({tool}, &error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  const QStringList problems = untranslated(texts, tool + "/i18n");
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

TEST(Catalogues, EachLanguageNamesItselfExactly) {
  initTranslationCatalogues();
  const QList<QPair<QString, QString>> names = {
      {"de", "Deutsch"}, {"en", "English"},  {"es", "Español"},
      {"fr", "français"}, {"jp", "日本語"}, {"ko", "한국어"},
      {"ru", QString::fromUtf8("ру\u0301сский язы\u0301к")}, {"zh", "中文"}};
  for (const auto& [code, name] : names) {
    QTranslator compiled;
    ASSERT_TRUE(compiled.load(":/i18n/i18n_" + code + ".qm")) << code.toStdString();
    EXPECT_EQ(compiled.translate("Trans", "TargetLanguage"), name) << code.toStdString();
  }
}
