#include "platform/system/LargeBuffers.h"

#include <malloc.h>

namespace platform {

void returnLargeBuffersToTheSystem() {
  // A fixed threshold also turns the adjustment off. 256 KiB keeps the
  // window's small images and the settings on the heap.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

}  // namespace platform
