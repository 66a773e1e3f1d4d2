// Report descriptors come from whatever is plugged in. The parser must stay
// inside the bytes it is given and keep every length within the kernel's
// report buffer, whatever the descriptor claims.

#include "platform/hid/ReportDescriptorParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const platform::ParsedReportDescriptor parsed = platform::ReportDescriptorParser::parse(data, size);
  // Each top-level collection needs at least its two-byte Collection item.
  if (parsed.collections.size() > size / 2) abort();
  for (const platform::HidTopLevelCollection& collection : parsed.collections) {
    for (const int length :
         {collection.inputReportLength, collection.outputReportLength, collection.featureReportLength}) {
      if (length < 0 || length > platform::ReportDescriptorParser::kMaxReportLength) abort();
    }
  }
  return 0;
}
