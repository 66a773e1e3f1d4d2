#pragma once

#include <QString>

// Where each key's settings stand in a settings file. Pen buttons and the
// screen combo box have fixed keys; express keys (K) and roller keys (R) are
// numbered from 1 inside the current key group ("CommonKey" or a program's
// file name), e.g. "krita/K3ShortcutkeyEnum".
//
// The window and the device side do not cover the same keys in reading and
// writing: no model has K11, K12, R7 or R8, yet the window may store them.
// A key type that a family does not cover for the given access gets an empty
// key, and the caller falls back to the value of a missing key.
namespace ConfigKeyNames {

enum class Family { FunctionIndex, DisplayText, ShortcutkeyEnum };
enum class Access { Read, Write };

extern const char kCommonKeyGroup[];    // "CommonKey"
extern const char kProgramListArray[];  // "CusConfigProgramPaths"

// The key group of a program: its file name with extension ("krita.exe",
// "krita"), as files written on Windows have it. A name that is one of the
// store's own sections ("global", "PressCurve", "PenKey", "Area", "CommonKey",
// "CusConfigProgramPaths") gets the prefix "program:", and so does a name
// that already begins with it; no Windows file name can, as ":" is not
// allowed there. A Flatpak or Snap program is grouped under its whole name
// ("flatpak:org.kde.krita"); a file whose name begins "flatpak:" or "snap:"
// gets the prefix too, so no path can land in a Flatpak's group. Removing or
// resetting a program so never touches anything but its own group. Empty when
// the path names no file.
QString programGroup(const QString& programPath);
// Whether a group name is one programGroup set apart with its prefix.
bool isProgramGroup(const QString& group);

QString keyFor(Family family, int keyType, Access access, const QString& group);

inline bool isExpressKey(int keyType) { return keyType >= 3 && keyType <= 14; }
inline bool isRollerKey(int keyType) { return keyType >= 15 && keyType <= 22; }
// 1 for K1 / R1 and so on; meaningful only for express and roller keys.
inline int keyNumber(int keyType) { return isExpressKey(keyType) ? keyType - 2 : keyType - 14; }

}  // namespace ConfigKeyNames
