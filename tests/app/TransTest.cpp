#include "driver/app/TranslationCatalogues.h"
#include "driver/core/Trans.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>

#include <memory>

namespace {

QString shownLanguage() { return QCoreApplication::translate("Trans", "TargetLanguage"); }

class TransTest : public ::testing::Test {
 protected:
  void SetUp() override { initTranslationCatalogues(); }
};

}  // namespace

TEST_F(TransTest, ListsTheBuiltInLanguagesInFileOrder) {
  Trans trans(nullptr, nullptr, ":/i18n", "de_DE");
  EXPECT_EQ(trans.property("languageList").toStringList(),
            (QStringList{"Deutsch", "English", "Español", "français", "日本語", "한국어",
                         QString::fromUtf8("ру\u0301сский язы\u0301к"), "中文"}));
}

TEST_F(TransTest, StartsInTheLanguageOfTheLocaleAndFallsBackToEnglish) {
  {
    Trans trans(nullptr, nullptr, ":/i18n", "de_DE");
    EXPECT_EQ(trans.currentLanguage(), "Deutsch");
    EXPECT_EQ(shownLanguage(), "Deutsch");
  }
  // The Japanese catalogue is named "jp", so a "ja" locale matches nothing.
  Trans trans(nullptr, nullptr, ":/i18n", "ja_JP");
  EXPECT_EQ(trans.currentLanguage(), "English");
  EXPECT_EQ(shownLanguage(), "English");
}

TEST_F(TransTest, SwitchingRetranslatesQmlAndSwitchingToTheSameLanguageDoesNothing) {
  QQmlEngine engine;
  QQmlComponent component(&engine);
  component.setData("import QtQml 2.15\nQtObject { property string name: qsTranslate(\"Trans\", \"TargetLanguage\") }",
                    QUrl());
  std::unique_ptr<QObject> item(component.create());
  ASSERT_TRUE(item) << component.errorString().toStdString();

  Trans trans(&engine, nullptr, ":/i18n", "zh_CN");
  EXPECT_EQ(trans.currentLanguage(), "中文");
  QSignalSpy changed(&trans, &Trans::currentLanguageChanged);

  trans.reTrans("中文");
  trans.reTrans("");
  EXPECT_EQ(changed.count(), 0);

  trans.reTrans("français");
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).toString(), "français");
  EXPECT_EQ(item->property("name").toString(), "français");
  EXPECT_EQ(shownLanguage(), "français");
}

TEST_F(TransTest, AnUnknownLanguageOrAGoneTranslatorLeavesTheSourceTexts) {
  {
    Trans trans(nullptr, nullptr, ":/i18n", "ko_KR");
    EXPECT_EQ(shownLanguage(), "한국어");
    QSignalSpy changed(&trans, &Trans::currentLanguageChanged);
    trans.reTrans("Klingon");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(trans.currentLanguage(), "Klingon");
    EXPECT_EQ(shownLanguage(), "TargetLanguage");
    trans.reTrans("English");
    EXPECT_EQ(shownLanguage(), "English");
  }
  EXPECT_EQ(shownLanguage(), "TargetLanguage");
}

TEST_F(TransTest, WithoutCataloguesTheListIsEmptyAndTheSourceTextsStay) {
  Trans trans(nullptr, nullptr, testenv::freshDir("no-catalogues"), "de_DE");
  EXPECT_TRUE(trans.languageList().isEmpty());
  EXPECT_EQ(trans.currentLanguage(), "English");
  EXPECT_EQ(shownLanguage(), "TargetLanguage");
}
