#include "driver/core/ConfigKeyNames.h"

#include "driver/core/MyQmlEnum.h"

#include "platform/session/SandboxedProgram.h"

#include <QFileInfo>

namespace ConfigKeyNames {

const char kCommonKeyGroup[] = "CommonKey";
const char kProgramListArray[] = "CusConfigProgramPaths";

namespace {
const char kPrefix[] = "program:";
}  // namespace

bool isProgramGroup(const QString& group) { return group.startsWith(QLatin1String(kPrefix)); }

QString programGroup(const QString& programPath) {
  static const char* const kStoreSections[] = {"global", "PressCurve",    "PenKey",
                                               "Area",   kCommonKeyGroup, kProgramListArray};
  // A Flatpak or Snap keeps its whole name ("flatpak:org.kde.krita"); a file
  // whose name merely looks like one is set apart below.
  if (platform::SandboxedProgram::isSandboxed(programPath)) return programPath;
  const QString name = QFileInfo(programPath).fileName();
  if (name.isEmpty()) return name;
  bool escape = isProgramGroup(name) || name.startsWith(QLatin1String("flatpak:")) ||
                name.startsWith(QLatin1String("snap:"));
  for (const char* section : kStoreSections) escape = escape || name == QLatin1String(section);
  return escape ? QLatin1String(kPrefix) + name : name;
}

namespace {

using namespace MyQmlEnum;

// The highest express and roller key each family covers.
struct Reach {
  int lastExpress;
  int lastRoller;
  bool screen;
};

Reach reachOf(Family family, Access access) {
  switch (family) {
    case Family::FunctionIndex:
      return {K10, R8, true};
    case Family::DisplayText:
      return access == Access::Read ? Reach{K10, R6, false} : Reach{K12, R8, false};
    case Family::ShortcutkeyEnum:
      return access == Access::Read ? Reach{K10, R8, false} : Reach{K12, R8, false};
  }
  return {0, 0, false};
}

QString penKey(Family family, bool upper) {
  switch (family) {
    case Family::FunctionIndex:
      return upper ? QStringLiteral("PenKey/UpKeyFunctionIndex") : QStringLiteral("PenKey/DownKeyFunctionIndex");
    case Family::DisplayText:
      return upper ? QStringLiteral("PenKey/UpKeyDisplayText") : QStringLiteral("PenKey/DownKeyDisplayText");
    case Family::ShortcutkeyEnum:
      return upper ? QStringLiteral("PenKey/upShortcutkeyEnum") : QStringLiteral("PenKey/downShortcutkeyEnum");
  }
  return {};
}

const char* suffixOf(Family family) {
  switch (family) {
    case Family::FunctionIndex:
      return "FunctionIndex";
    case Family::DisplayText:
      return "DisplayText";
    case Family::ShortcutkeyEnum:
      return "ShortcutkeyEnum";
  }
  return "";
}

}  // namespace

QString keyFor(Family family, int keyType, Access access, const QString& group) {
  if (keyType == PenUpKey || keyType == PenDownKey) return penKey(family, keyType == PenUpKey);
  const Reach reach = reachOf(family, access);
  if (keyType == ScreenCombox) return reach.screen ? QStringLiteral("Area/ScreenIndex") : QString();
  QChar letter;
  if (keyType >= K1 && keyType <= reach.lastExpress)
    letter = 'K';
  else if (keyType >= R1 && keyType <= reach.lastRoller)
    letter = 'R';
  else
    return {};
  return QStringLiteral("%1/%2%3%4").arg(group, letter).arg(keyNumber(keyType)).arg(QLatin1String(suffixOf(family)));
}

}  // namespace ConfigKeyNames
