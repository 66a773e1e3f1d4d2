#include "platform/hid/ReportDescriptorParser.h"

#include <algorithm>
#include <array>
#include <map>

namespace platform {

namespace {

enum ItemType : uint8_t { Main = 0, Global = 1, Local = 2 };

enum MainTag : uint8_t { Input = 0x8, Output = 0x9, Collection = 0xA, Feature = 0xB, EndCollection = 0xC };

enum GlobalTag : uint8_t {
  UsagePage = 0x0,
  ReportSize = 0x7,
  ReportId = 0x8,
  ReportCount = 0x9,
  Push = 0xA,
  Pop = 0xB
};

enum LocalTag : uint8_t { Usage = 0x0, UsageMinimum = 0x1 };

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr uint32_t kApplicationCollection = 0x01;
// Deeper push nesting than any real device uses; a bound keeps hostile
// descriptors from growing the stack without end.
constexpr size_t kMaxPushDepth = 64;
// Field sizes and counts are clamped so their product cannot overflow.
constexpr uint64_t kMaxFieldValue = 1u << 24;

struct GlobalState {
  uint32_t usagePage = 0;
  uint32_t reportSize = 0;
  uint32_t reportCount = 0;
  uint32_t reportId = 0;
};

struct LocalState {
  bool hasUsage = false;
  uint32_t firstUsage = 0;
  bool firstUsageExtended = false;  // a 4-byte usage carries its own page in the high half
  bool hasUsageMinimum = false;
  uint32_t usageMinimum = 0;
  bool usageMinimumExtended = false;
};

// Bits per report id of one kind, for one top-level collection.
using ReportBits = std::map<uint32_t, uint64_t>;

struct CollectionBuilder {
  HidTopLevelCollection info;
  std::array<ReportBits, 3> bits;  // input, output, feature
};

uint32_t itemData(const uint8_t* data, int size) {
  uint32_t value = 0;
  for (int i = 0; i < size; ++i) value |= uint32_t(data[i]) << (8 * i);
  return value;
}

int lengthInBytes(const ReportBits& bits, bool numbered) {
  uint64_t longest = 0;
  for (const auto& entry : bits) longest = std::max(longest, entry.second);
  if (longest == 0) return 0;
  const uint64_t bytes = (longest + 7) / 8 + (numbered ? 1 : 0);
  return int(std::min<uint64_t>(bytes, ReportDescriptorParser::kMaxReportLength));
}

}  // namespace

ParsedReportDescriptor ReportDescriptorParser::parse(const QByteArray& descriptor) {
  return parse(reinterpret_cast<const uint8_t*>(descriptor.constData()), size_t(descriptor.size()));
}

ParsedReportDescriptor ReportDescriptorParser::parse(const uint8_t* data, size_t size) {
  ParsedReportDescriptor result;
  std::vector<CollectionBuilder> collections;
  std::vector<GlobalState> pushed;
  GlobalState global;
  LocalState local;
  int depth = 0;
  // The collection that reports belong to now; -1 outside any application collection.
  int current = -1;

  size_t pos = 0;
  while (pos < size) {
    const uint8_t prefix = data[pos];
    if (prefix == kLongItemPrefix) {
      // Long items carry vendor data only; skip them whole.
      if (size - pos < 3) break;
      const size_t length = data[pos + 1];
      if (size - pos - 3 < length) break;
      pos += 3 + length;
      continue;
    }
    static constexpr int kSizes[4] = {0, 1, 2, 4};
    const int dataSize = kSizes[prefix & 0x3];
    if (size - pos - 1 < size_t(dataSize)) break;
    const uint8_t type = (prefix >> 2) & 0x3;
    const uint8_t tag = prefix >> 4;
    const uint32_t value = itemData(data + pos + 1, dataSize);
    pos += 1 + size_t(dataSize);

    if (type == Global) {
      switch (tag) {
        case UsagePage: global.usagePage = value; break;
        case ReportSize: global.reportSize = value; break;
        case ReportCount: global.reportCount = value; break;
        case ReportId:
          global.reportId = value;
          result.numberedReports = true;
          break;
        case Push:
          if (pushed.size() < kMaxPushDepth) pushed.push_back(global);
          break;
        case Pop:
          if (!pushed.empty()) {
            global = pushed.back();
            pushed.pop_back();
          }
          break;
        default: break;
      }
    } else if (type == Local) {
      const bool extended = dataSize == 4;
      if (tag == Usage && !local.hasUsage) {
        local.hasUsage = true;
        local.firstUsage = value;
        local.firstUsageExtended = extended;
      } else if (tag == UsageMinimum && !local.hasUsageMinimum) {
        local.hasUsageMinimum = true;
        local.usageMinimum = value;
        local.usageMinimumExtended = extended;
      }
    } else if (type == Main) {
      if (tag == Collection) {
        if (depth == 0 && value == kApplicationCollection) {
          CollectionBuilder top;
          const bool useMinimum = !local.hasUsage && local.hasUsageMinimum;
          const uint32_t usage = useMinimum ? local.usageMinimum : local.firstUsage;
          const bool extended = useMinimum ? local.usageMinimumExtended : local.firstUsageExtended;
          top.info.usagePage = uint16_t(extended ? usage >> 16 : global.usagePage);
          top.info.usage = uint16_t(usage);
          collections.push_back(top);
          current = int(collections.size()) - 1;
        } else if (depth == 0) {
          current = -1;
        }
        ++depth;
      } else if (tag == EndCollection) {
        if (depth > 0) --depth;
        if (depth == 0) current = -1;
      } else if ((tag == Input || tag == Output || tag == Feature) && current >= 0) {
        const int kind = tag == Input ? 0 : tag == Output ? 1 : 2;
        const uint64_t fieldBits = std::min<uint64_t>(global.reportSize, kMaxFieldValue) *
                                   std::min<uint64_t>(global.reportCount, kMaxFieldValue);
        collections[size_t(current)].bits[kind][global.reportId] += fieldBits;
      }
      local = LocalState();
    }
  }

  for (const CollectionBuilder& builder : collections) {
    HidTopLevelCollection info = builder.info;
    info.inputReportLength = lengthInBytes(builder.bits[0], result.numberedReports);
    info.outputReportLength = lengthInBytes(builder.bits[1], result.numberedReports);
    info.featureReportLength = lengthInBytes(builder.bits[2], result.numberedReports);
    if (result.numberedReports) {
      for (const auto& entry : builder.bits[0]) {
        if (entry.second > 0 && entry.first < info.inputReportIds.size()) info.inputReportIds.set(entry.first);
      }
    }
    result.collections.push_back(info);
  }
  return result;
}

}  // namespace platform
