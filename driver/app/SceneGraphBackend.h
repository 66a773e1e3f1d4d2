#pragma once

// The settings window draws with OpenGL where the machine offers it. A machine
// without a working OpenGL context (a virtual machine, a remote session, the
// offscreen platform) would make Qt Quick abort when the window first shows,
// taking the driver and the pen with it; there the window draws in software.
namespace SceneGraphBackend {

// Call after the application object exists and before any Qt Quick window.
void chooseForThisMachine();

}  // namespace SceneGraphBackend
