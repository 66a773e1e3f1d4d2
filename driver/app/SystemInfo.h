#pragma once

#include <QVariantMap>

// What the diagnosis view shows about the system, read directly (no external
// command): "sysName" the distribution's pretty name, "sysVer" the kernel
// type and release, "sysBits" the CPU architecture.
namespace SystemInfo {

QVariantMap read();

}  // namespace SystemInfo
