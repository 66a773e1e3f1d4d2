#include "driver/keys/KeyFunctionTable.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/keys/KeySettings.h"
#include "driver/keys/ShortcutInjector.h"
#include "platform/process/ProgramStarter.h"
#include "platform/session/WindowRaiser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <atomic>

using namespace MyQmlEnum;
using platform::MouseButton;

namespace {

const char* const kContext = "Tablet";
const char* const kDriverWindowTitle = "Varnex_tablet_driver";
const char* const kZoomOut = "[Ctrl]+[-]";
const char* const kStepBack = "[Alt]+[Ctrl]+[Z]";
const char* const kStepForward = "[Shift]+[Ctrl]+[Z]";
constexpr int kWheelStep = 120;

// Fixed names, indexed by ShortcutkeyEnum, and the names of the roller's two
// directions.
const char* const kHints[] = {
    QT_TRANSLATE_NOOP("Tablet", "无功能"),     QT_TRANSLATE_NOOP("Tablet", "画布放大"),
    QT_TRANSLATE_NOOP("Tablet", "画布缩小"),   QT_TRANSLATE_NOOP("Tablet", "笔刷放大"),
    QT_TRANSLATE_NOOP("Tablet", "笔刷缩小"),   QT_TRANSLATE_NOOP("Tablet", "新建画布"),
    QT_TRANSLATE_NOOP("Tablet", "保存"),       QT_TRANSLATE_NOOP("Tablet", "后退一步"),
    QT_TRANSLATE_NOOP("Tablet", "前进一步"),   QT_TRANSLATE_NOOP("Tablet", "撤销"),
    QT_TRANSLATE_NOOP("Tablet", "吸管"),       QT_TRANSLATE_NOOP("Tablet", "抓手"),
    QT_TRANSLATE_NOOP("Tablet", "笔"),         QT_TRANSLATE_NOOP("Tablet", "橡皮擦"),
    "" /* pen or eraser, see below */,        QT_TRANSLATE_NOOP("Tablet", "滚轮向下"),
    QT_TRANSLATE_NOOP("Tablet", "滚轮向上"),   QT_TRANSLATE_NOOP("Tablet", "鼠标左键"),
    QT_TRANSLATE_NOOP("Tablet", "鼠标右键"),   QT_TRANSLATE_NOOP("Tablet", "鼠标中键"),
    QT_TRANSLATE_NOOP("Tablet", "左键双击"),   QT_TRANSLATE_NOOP("Tablet", "右键双击"),
    QT_TRANSLATE_NOOP("Tablet", "中键双击"),   QT_TRANSLATE_NOOP("Tablet", "显示桌面"),
    QT_TRANSLATE_NOOP("Tablet", "切换显示器"), QT_TRANSLATE_NOOP("Tablet", "显示驱动控制面板"),
    "" /* the program's name */,              "" /* no hint */,
    "" /* the user's name */,                 QT_TRANSLATE_NOOP("Tablet", "鼠标滚轮"),
    QT_TRANSLATE_NOOP("Tablet", "画布大小"),   QT_TRANSLATE_NOOP("Tablet", "笔刷大小"),
    QT_TRANSLATE_NOOP("Tablet", "上下翻页"),   QT_TRANSLATE_NOOP("Tablet", "上下箭头"),
    QT_TRANSLATE_NOOP("Tablet", "左右箭头"),   QT_TRANSLATE_NOOP("Tablet", "前后步骤"),
    QT_TRANSLATE_NOOP("Tablet", "上下图层"),   "" /* the user's names */,
};
static_assert(sizeof kHints / sizeof kHints[0] == ESwivelCusKey + 1, "one hint per function");

const char* const kOpenProgram = QT_TRANSLATE_NOOP("Tablet", "打开:%1");
const char* const kNextPage = QT_TRANSLATE_NOOP("Tablet", "下一页");
const char* const kPreviousPage = QT_TRANSLATE_NOOP("Tablet", "上一页");
const char* const kArrowDown = QT_TRANSLATE_NOOP("Tablet", "下箭头");
const char* const kArrowUp = QT_TRANSLATE_NOOP("Tablet", "上箭头");
const char* const kArrowRight = QT_TRANSLATE_NOOP("Tablet", "右箭头");
const char* const kArrowLeft = QT_TRANSLATE_NOOP("Tablet", "左箭头");
const char* const kLayerDown = QT_TRANSLATE_NOOP("Tablet", "下图层");
const char* const kLayerUp = QT_TRANSLATE_NOOP("Tablet", "上图层");

QMutex s_zoomInLock;
QString s_zoomIn = QStringLiteral("[Ctrl]+[=]");
std::atomic<int> s_penEraserToggle{1};

QString tr(const char* source) { return QCoreApplication::translate(kContext, source); }

QString rollerHint(int rollerNumber, const QString& name) { return QStringLiteral("R%1:").arg(rollerNumber) + name; }

// One press and one release of the key that runs a function.
struct KeyEvent {
  int keyType;  // the key as reported
  int key;      // the key whose function runs: the roller entry for the dial
  bool pressed;
  QString hint;
  bool showDriver = false;

  void hold(const QString& shortcut) { ShortcutInjector::pressShortcut(shortcut, pressed); }
};

// A roller function: a hint for the centre key, one direction for a right
// turn and the other for everything else.
void runRollerShortcuts(KeyEvent& event, const char* rollerName, const char* rightName, const QString& right,
                        const char* otherName, const QString& other) {
  if (event.keyType == RCenterKey) {
    event.hint = rollerHint(event.key - R1 + 1, tr(rollerName));
  } else if (event.keyType == RTurnRight) {
    event.hint = tr(rightName);
    ShortcutInjector::tapShortcut(right);
  } else {
    event.hint = tr(otherName);
    ShortcutInjector::tapShortcut(other);
  }
}

void runWheel(KeyEvent& event, int function) {
  event.hint = tr(kHints[function]);
  ShortcutInjector::wheel(function == EWheelUp ? kWheelStep : -kWheelStep);
}

void runButton(KeyEvent& event, int function, MouseButton button) {
  event.hint = tr(kHints[function]);
  ShortcutInjector::mouseButton(button, event.pressed);
}

void runDoubleClick(KeyEvent& event, int function, MouseButton button) {
  event.hint = tr(kHints[function]);
  if (!event.pressed) ShortcutInjector::doubleClick(button);
}

void runUndo(KeyEvent& event) {
  if (event.keyType >= PenUpKey && event.keyType <= K12) {
    event.hint = tr(kHints[EUndo]);
    event.hold(QStringLiteral("[Ctrl]+[Z]"));
  } else if (event.keyType == RTurnRight || event.keyType == RTurnLeft) {
    event.hint = tr(kHints[EUndo]);
    ShortcutInjector::tapShortcut(QStringLiteral("[Ctrl]+[Z]"));
  } else if (event.keyType == RCenterKey) {
    event.hint = rollerHint(event.key - R1 + 1, tr(kHints[EUndo]));
  }
}

void runPenEraser(KeyEvent& event) {
  if (s_penEraserToggle == 0) {
    event.hint = tr(kHints[EPenTool]);
    event.hold(QStringLiteral("[B]"));
    if (!event.pressed) s_penEraserToggle = 1;
  } else {
    event.hint = tr(kHints[EEraserTool]);
    event.hold(QStringLiteral("[E]"));
    if (!event.pressed) s_penEraserToggle = 0;
  }
}

void runProgram(KeyEvent& event) {
  const QString path = KeySettings::current().displayText(event.key);
  event.hint = tr(kOpenProgram).arg(QFileInfo(path).completeBaseName());
  if (event.pressed) platform::ProgramStarter::current().startDetached(path);
}

void runShowDriver(KeyEvent& event) {
  event.hint = tr(kHints[EShowDriver]);
  if (!event.pressed) return;
  platform::WindowRaiser::current().raiseWindow(QString::fromLatin1(kDriverWindowTitle));
  event.showDriver = true;
}

// "name#shortcut": the shortcut held with the key, shown by its name.
void runCustomShortcut(KeyEvent& event) {
  const QStringList parts = KeySettings::current().displayText(event.key).split(QLatin1Char('#'), Qt::KeepEmptyParts);
  if (parts.size() != 2) return;
  event.hint = parts[0].isEmpty() ? parts[1] : parts[0];
  event.hold(parts[1]);
}

// "name#left#right": the dial taps the left shortcut turning left and the
// right one otherwise.
void runCustomRoller(KeyEvent& event) {
  const QStringList parts = KeySettings::current().displayText(event.key).split(QLatin1Char('#'), Qt::KeepEmptyParts);
  if (parts.size() != 3) return;
  if (event.keyType == RCenterKey) {
    event.hint = rollerHint(event.key - R1 + 1, parts[0].isEmpty() ? parts[1] + QLatin1Char('/') + parts[2] : parts[0]);
  } else {
    const QString& shortcut = event.keyType == RTurnLeft ? parts[1] : parts[2];
    event.hint = shortcut;
    ShortcutInjector::tapShortcut(shortcut);
  }
}

void runSwivelWheel(KeyEvent& event) {
  if (event.keyType == RCenterKey) {
    event.hint = rollerHint(event.key - R1 + 1, tr(kHints[ESwivelWheel]));
  } else {
    runWheel(event, event.keyType == RTurnRight ? EWheelDown : EWheelUp);
  }
}

void perform(KeyEvent& event, int function) {
  switch (function) {
    case ENoEffect: event.hint = tr(kHints[ENoEffect]); break;
    case ECanvasZoomIn: event.hint = tr(kHints[function]); event.hold(KeyFunctionTable::canvasZoomInShortcut()); break;
    case ECanvasZoomOut: event.hint = tr(kHints[function]); event.hold(QString::fromLatin1(kZoomOut)); break;
    case EBrushZoomIn: event.hint = tr(kHints[function]); event.hold(QStringLiteral("[]]")); break;
    case EBrushZoomOut: event.hint = tr(kHints[function]); event.hold(QStringLiteral("[[]")); break;
    case ENewCanvas: event.hint = tr(kHints[function]); event.hold(QStringLiteral("[Ctrl]+[N]")); break;
    case ESave: event.hint = tr(kHints[function]); event.hold(QStringLiteral("[Ctrl]+[S]")); break;
    case EStepBack: event.hint = tr(kHints[function]); event.hold(QString::fromLatin1(kStepBack)); break;
    case EStepForward: event.hint = tr(kHints[function]); event.hold(QString::fromLatin1(kStepForward)); break;
    case EUndo: runUndo(event); break;
    case EStraw: event.hint = tr(kHints[function]); event.hold(QStringLiteral("[Alt]")); break;
    case EHandGripTool: event.hint = tr(kHints[function]); event.hold(QStringLiteral("[Space]")); break;
    case EPenTool: event.hint = tr(kHints[function]); event.hold(QStringLiteral("[B]")); break;
    case EEraserTool:
      event.hint = tr(kHints[function]);
      s_penEraserToggle = 0;
      event.hold(QStringLiteral("[E]"));
      break;
    case EPenEraserTool: runPenEraser(event); break;
    case EWheelDown:
    case EWheelUp: runWheel(event, function); break;
    case ELeftMouseButton: runButton(event, function, MouseButton::Left); break;
    case ERightMouseButton: runButton(event, function, MouseButton::Right); break;
    case EMiddleMouseButton: runButton(event, function, MouseButton::Middle); break;
    case EDoubleLeftClick: runDoubleClick(event, function, MouseButton::Left); break;
    case EDoubleRightClick: runDoubleClick(event, function, MouseButton::Right); break;
    case EDoubleMiddleClick: runDoubleClick(event, function, MouseButton::Middle); break;
    case EShowDesktop: event.hint = tr(kHints[function]); event.hold(QStringLiteral("[Win]+[D]")); break;
    case ESwitchScreen: event.hint = tr(kHints[function]); event.hold(QStringLiteral("[Win]+[P]")); break;
    case EShowDriver: runShowDriver(event); break;
    case EProgram: runProgram(event); break;
    case EHotKey: break;
    case ECusShortcutkey: runCustomShortcut(event); break;
    case ESwivelWheel: runSwivelWheel(event); break;
    case ESwivelCanvas:
      runRollerShortcuts(event, kHints[function], kHints[ECanvasZoomIn], KeyFunctionTable::canvasZoomInShortcut(),
                         kHints[ECanvasZoomOut], QString::fromLatin1(kZoomOut));
      break;
    case ESwivelBrush:
      runRollerShortcuts(event, kHints[function], kHints[EBrushZoomIn], QStringLiteral("[]]"), kHints[EBrushZoomOut],
                         QStringLiteral("[[]"));
      break;
    case ESwivelPage:
      runRollerShortcuts(event, kHints[function], kNextPage, QStringLiteral("[PgDown]"), kPreviousPage,
                         QStringLiteral("[PgUp]"));
      break;
    case ESwivelDirectionUpDown:
      runRollerShortcuts(event, kHints[function], kArrowDown, QStringLiteral("[Down]"), kArrowUp,
                         QStringLiteral("[Up]"));
      break;
    case ESwivelDirectionLeftRight:
      runRollerShortcuts(event, kHints[function], kArrowRight, QStringLiteral("[Right]"), kArrowLeft,
                         QStringLiteral("[Left]"));
      break;
    case ESwivelStep:
      runRollerShortcuts(event, kHints[function], kHints[EStepForward], QString::fromLatin1(kStepForward),
                         kHints[EStepBack], QString::fromLatin1(kStepBack));
      break;
    case ESwivelLayer:
      runRollerShortcuts(event, kHints[function], kLayerDown, QStringLiteral("[Ctrl]+[[]"), kLayerUp,
                         QStringLiteral("[Ctrl]+[]]"));
      break;
    case ESwivelCusKey: runCustomRoller(event); break;
    default: break;  // -1 for keys without a function, or a stored value we do not know
  }
}

}  // namespace

KeyFunctionOutcome KeyFunctionTable::run(int keyType, bool pressed) {
  KeySettings& settings = KeySettings::current();
  int key = keyType;
  if (keyType == RCenterKey) {
    // A short press of the centre key moves the dial to its next entry and
    // announces it; the press itself only counts as the centre key.
    if (!pressed) {
      settings.switchSwivelKey();
      key = settings.currentSwivelKey();
    }
  } else if (keyType == RTurnRight || keyType == RTurnLeft) {
    key = settings.currentSwivelKey();
  }

  KeyEvent event{keyType, key, pressed, QString()};
  perform(event, settings.shortcutkeyEnum(key));
  if (!pressed) ShortcutInjector::releaseHeldShortcuts();
  return {event.hint, event.showDriver};
}

void KeyFunctionTable::setCanvasZoomInShortcut(const QString& shortcut) {
  QMutexLocker locker(&s_zoomInLock);
  s_zoomIn = shortcut;
}

QString KeyFunctionTable::canvasZoomInShortcut() {
  QMutexLocker locker(&s_zoomInLock);
  return s_zoomIn;
}

int KeyFunctionTable::penEraserToggle() { return s_penEraserToggle; }

void KeyFunctionTable::setPenEraserToggle(int toggle) { s_penEraserToggle = toggle; }

const char* KeyFunctionTable::hintSource(int function) {
  if (function < 0 || function > ESwivelCusKey) return "";
  return kHints[function];
}
