#include "tools/tabletrecord/RecordOptions.h"

#include "driver/tablet/ModelTable.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordOptions, TakesAModelByNameOrNumberAndATimeLimit) {
  RecordOptions options;
  QString error;
  ASSERT_TRUE(RecordOptions::parse({"--model", "larkc", "--seconds", "30"}, options, error)) << error.toStdString();
  ASSERT_NE(options.model, nullptr);
  EXPECT_STREQ(options.model->key, "LarkC");
  EXPECT_EQ(options.seconds, 30);

  RecordOptions byNumber;
  ASSERT_TRUE(RecordOptions::parse({"--model", "23001"}, byNumber, error));
  EXPECT_STREQ(byNumber.model->key, "Fjord4Pro");
  EXPECT_EQ(byNumber.seconds, 0);  // until stopped

  RecordOptions none;
  ASSERT_TRUE(RecordOptions::parse({}, none, error));
  EXPECT_EQ(none.model, nullptr);  // whichever tablet is connected
}

TEST(RecordOptions, RefusesWhatItCannotUseWithAReason) {
  const QList<QStringList> bad = {
      {"--model", "LarkZ"}, {"--model"},         {"--seconds", "0"}, {"--seconds", "86401"},
      {"--seconds", "ten"}, {"--seconds", "-5"}, {"--verbose"},      {"LarkC"},
  };
  for (const QStringList& arguments : bad) {
    RecordOptions options;
    QString error;
    EXPECT_FALSE(RecordOptions::parse(arguments, options, error)) << arguments.join(' ').toStdString();
    EXPECT_FALSE(error.isEmpty()) << arguments.join(' ').toStdString();
  }
}

}  // namespace
