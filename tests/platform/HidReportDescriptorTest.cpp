#include "platform/hid/ReportDescriptorParser.h"
#include "tests/support/TabletDescriptors.h"

#include <gtest/gtest.h>

using platform::HidTopLevelCollection;
using platform::ParsedReportDescriptor;
using platform::ReportDescriptorParser;

namespace {

void expectCollection(const HidTopLevelCollection& c, uint16_t page, uint16_t usage, int in, int out, int feature) {
  EXPECT_EQ(c.usagePage, page);
  EXPECT_EQ(c.usage, usage);
  EXPECT_EQ(c.inputReportLength, in);
  EXPECT_EQ(c.outputReportLength, out);
  EXPECT_EQ(c.featureReportLength, feature);
}

TEST(HidReportDescriptor, VendorCollectionCountsTheReportIdByte) {
  const ParsedReportDescriptor parsed = ReportDescriptorParser::parse(descriptors::vendorWithReportId());
  ASSERT_EQ(parsed.collections.size(), 1u);
  EXPECT_TRUE(parsed.numberedReports);
  expectCollection(parsed.collections[0], 0xFF00, 0x01, 12, 9, 0);
}

TEST(HidReportDescriptor, PenCollectionSumsNestedFieldsAndKeepsItsOwnPage) {
  const ParsedReportDescriptor parsed = ReportDescriptorParser::parse(descriptors::digitizerPen());
  ASSERT_EQ(parsed.collections.size(), 2u);
  // The usage page changed inside the pen collection; the next top-level
  // collection names its own.
  expectCollection(parsed.collections[0], 0x0D, 0x02, 10, 0, 0);
  expectCollection(parsed.collections[1], 0x0D, 0x0E, 0, 0, 3);
}

TEST(HidReportDescriptor, CompositeKeepsEachCollectionsLongestReportOfEachKind) {
  const ParsedReportDescriptor parsed = ReportDescriptorParser::parse(descriptors::mouseKeyboardVendor());
  ASSERT_EQ(parsed.collections.size(), 3u);
  expectCollection(parsed.collections[0], 0x01, 0x02, 5, 0, 0);
  expectCollection(parsed.collections[1], 0x01, 0x06, 9, 2, 0);
  expectCollection(parsed.collections[2], 0xFF0C, 0x07, 64, 64, 17);
  EXPECT_EQ(parsed.collections[0].inputReportIds, std::bitset<256>().set(1));
  EXPECT_EQ(parsed.collections[1].inputReportIds, std::bitset<256>().set(2));
  EXPECT_EQ(parsed.collections[2].inputReportIds, std::bitset<256>().set(3).set(4)) << "5 is a feature report";
}

TEST(HidReportDescriptor, WithoutReportIdsLengthsAreThePayload) {
  const ParsedReportDescriptor parsed = ReportDescriptorParser::parse(descriptors::vendorWithoutReportId());
  ASSERT_EQ(parsed.collections.size(), 1u);
  EXPECT_FALSE(parsed.numberedReports);
  expectCollection(parsed.collections[0], 0xFF00, 0x01, 64, 64, 0);
}

TEST(HidReportDescriptor, LongItemsAreSkippedAndPushPopRestoresTheGlobalState) {
  const QByteArray descriptor = QByteArray::fromHex(
      "06 00 FF  09 01  A1 01  85 01"
      "FE 04 AA  01 02 03 04"  // a long item in the middle
      "75 08  95 04"
      "A4  75 10  95 08  81 02  B4"  // 16 x 8 bits under push, then back to 8 x 4
      "81 02  C0"                    // report 1: 128 + 32 bits
      "A4  05 0D  09 02  A1 01  85 02  75 08  95 03  81 02  C0  B4"
      "09 03  A1 01  85 03  81 02  C0");  // page, size and count as before the push
  const ParsedReportDescriptor parsed = ReportDescriptorParser::parse(descriptor);
  ASSERT_EQ(parsed.collections.size(), 3u);
  expectCollection(parsed.collections[0], 0xFF00, 0x01, 21, 0, 0);
  expectCollection(parsed.collections[1], 0x0D, 0x02, 4, 0, 0);
  expectCollection(parsed.collections[2], 0xFF00, 0x03, 5, 0, 0);
}

TEST(HidReportDescriptor, FourByteUsageCarriesItsOwnPage) {
  const ParsedReportDescriptor parsed =
      ReportDescriptorParser::parse(QByteArray::fromHex("06 00 FF  0B 02 00 0D 00  A1 01  75 08  95 02  81 02  C0"));
  ASSERT_EQ(parsed.collections.size(), 1u);
  expectCollection(parsed.collections[0], 0x0D, 0x02, 2, 0, 0);
}

TEST(HidReportDescriptor, MalformedInputStaysBoundedAndNeverReadsPastTheEnd) {
  // Every prefix of a real descriptor: nothing but whole items counts.
  const QByteArray full = descriptors::mouseKeyboardVendor();
  const ParsedReportDescriptor whole = ReportDescriptorParser::parse(full);
  for (int cut = 0; cut < full.size(); ++cut) {
    const QByteArray prefix = full.left(cut);  // its own allocation, so ASan sees an overread
    const ParsedReportDescriptor parsed = ReportDescriptorParser::parse(prefix);
    ASSERT_LE(parsed.collections.size(), whole.collections.size()) << cut;
    for (size_t i = 0; i < parsed.collections.size(); ++i) {
      EXPECT_LE(parsed.collections[i].inputReportLength, whole.collections[i].inputReportLength) << cut;
    }
  }

  // Absurd sizes, a pop with nothing pushed, stray end-collections, a long
  // item running past the end.
  const ParsedReportDescriptor hostile = ReportDescriptorParser::parse(QByteArray::fromHex(
      "B4  C0  C0  06 00 FF  09 01  A1 01  77 FF FF FF FF  97 FF FF FF FF  81 02  81 02  C0  C0  FE 20 00 01"));
  ASSERT_EQ(hostile.collections.size(), 1u);
  EXPECT_EQ(hostile.collections[0].inputReportLength, ReportDescriptorParser::kMaxReportLength);

  // Reports outside any application collection belong to none.
  EXPECT_TRUE(
      ReportDescriptorParser::parse(QByteArray::fromHex("75 08  95 04  81 02  A1 00  81 02  C0")).collections.empty());
  EXPECT_TRUE(ReportDescriptorParser::parse(nullptr, 0).collections.empty());
}

}  // namespace
