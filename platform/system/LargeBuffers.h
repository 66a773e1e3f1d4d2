#pragma once

namespace platform {

// Lets every large buffer go back to the system when it is freed. The C
// library otherwise raises its threshold for mapping buffers of their own
// after the first large one is freed, and then keeps later ones (screen
// grabs of a few megabytes) on the heap after they are freed, for as long
// as the driver runs in the tray. Call once, at start.
void returnLargeBuffersToTheSystem();

}  // namespace platform
