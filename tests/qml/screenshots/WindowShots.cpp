// Renders every page of the settings window for a plain tablet, a tablet
// with a dial and a pen display, in a light and a dark theme and in Chinese
// and English, into PNG files for review. Exits with 1 when a picture is
// blank (a page that failed to load draws one flat colour) or the window
// reports QML errors.
//
//   windowshots OUTDIR [--scale FACTOR] [--measure RUNS] [--dialogs]
//
// --dialogs renders only the dialogs and the key-layout help window.
//
// --measure times RUNS loads of the window and RUNS switches to each page
// and prints the medians instead of writing pictures.

#include "WindowHarness.h"
#include "WindowProcess.h"
#include "driver/app/SimulatedWorld.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/Trans.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QDir>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QEventLoop>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Model {
  int devType;
  const char* name;
};
const Model kModels[] = {{MyQmlEnum::CFG_VarnexK10PlusV2, "K10PlusV2"},
                         {MyQmlEnum::CFG_MesaA, "MesaA"},
                         {MyQmlEnum::CFG_Fjord4, "Fjord4"}};
const char* const kPages[] = {"pen", "area", "keys", "about"};

// A picture counts as blank when it has almost no distinct colours.
bool isBlank(const QImage& image) {
  if (image.isNull()) return true;
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) {
      colours.insert(image.pixel(x, y));
      if (colours.size() > 64) return false;
    }
  return true;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

void setPage(WindowHarness& harness, int page) {
  harness.root()->setProperty("currentPage", page);
}

int measure(int runs) {
  std::vector<double> loads;
  std::vector<double> switches;
  for (int run = 0; run < runs; ++run) {
    WindowHarness harness;
    QElapsedTimer timer;
    timer.start();
    if (!harness.load()) {
      std::fprintf(stderr, "%s", qPrintable(harness.errors));
      return 1;
    }
    harness.window()->show();
    // Loaded means the first frame is on the screen.
    harness.window()->grabWindow();
    loads.push_back(timer.nsecsElapsed() / 1e6);
    harness.arrive(MyQmlEnum::CFG_MesaA);
    QObject* pages = harness.item("pages");
    for (int page : {1, 0, 3, 0, 1, 0}) {
      QEventLoop loop;
      auto connection = QObject::connect(pages, SIGNAL(switched(int)), &loop, SLOT(quit()));
      QTimer::singleShot(3000, &loop, &QEventLoop::quit);
      timer.restart();
      setPage(harness, page);
      // Switched means the new page is fully in and drawn.
      loop.exec();
      harness.window()->grabWindow();
      switches.push_back(timer.nsecsElapsed() / 1e6);
      QObject::disconnect(connection);
    }
  }
  std::printf("scale %s: load %.1f ms, page switch %.1f ms (medians of %d loads, %zu switches)\n",
              qgetenv("QT_SCALE_FACTOR").isEmpty() ? "1" : qgetenv("QT_SCALE_FACTOR").constData(), median(loads),
              median(switches), runs, switches.size());
  return 0;
}

using Shoot = std::function<void(const QString&, QQuickWindow*)>;

// Opens one of the window's dialogs as a key's combo box would (the program
// dialog with no key type), without anyone waiting for its answer.
void openDialog(WindowHarness& harness, const char* name, int keyType = -1) {
  QObject* dialog = harness.root()->findChild<QObject*>(name);
  if (!dialog) return;
  if (keyType < 0)
    QMetaObject::invokeMethod(dialog, "askFor", Q_ARG(QVariant, QVariant()), Q_ARG(QVariant, QVariant()));
  else
    QMetaObject::invokeMethod(dialog, "askFor", Q_ARG(QVariant, keyType), Q_ARG(QVariant, QVariant()),
                              Q_ARG(QVariant, QVariant()));
}
void closeDialog(WindowHarness& harness, const char* name) {
  if (QObject* dialog = harness.root()->findChild<QObject*>(name)) QMetaObject::invokeMethod(dialog, "cancel");
  harness.settle(150);
}

// The key page of the model with its keys on top, the key page with
// programs of their own, and the dialogs of the key functions, in both
// languages.
bool shootKeyPageAndDialogs(WindowHarness& harness, const Shoot& shoot) {
  using namespace MyQmlEnum;
  harness.config().setSkinIndex(5);
  for (const char* language : {"中文", "English"}) {
    const QString code = QString::fromUtf8(language) == "中文" ? "zh" : "en";
    harness.trans().reTrans(QString::fromUtf8(language));
    if (!harness.arrive(CFG_VarnexK40V2)) return false;
    setPage(harness, 2);
    shoot("K40V2-gray-" + code + "-keys", nullptr);

    if (!harness.arrive(CFG_MesaA)) return false;
    ConfigFile& config = harness.config();
    config.cleanProgramList();
    config.addProgramList("/usr/bin/krita");
    config.addProgramList("/usr/bin/gimp");
    config.setKeyGroupName(config.programKeyGroup("/usr/bin/krita"));
    config.setComboxIndex(K1, KeyHostKey);
    config.setShortcutkeyEnum(K1, ECusShortcutkey);
    config.setDisplayText(K1, QStringLiteral("Save as#[Ctrl]+[Shift]+[S]"));
    config.setComboxIndex(R4, SwivelHostkey);
    config.setShortcutkeyEnum(R4, ESwivelCusKey);
    config.setDisplayText(R4, QStringLiteral("Opacity#[[]#[]]"));
    config.setKeyGroupName(config.programKeyGroup("/usr/bin/krita"));
    setPage(harness, 2);
    shoot("MesaA-gray-" + code + "-keys-programs", nullptr);

    openDialog(harness, "hotKeyDialog", K1);
    shoot("dialog-hotkey-" + code, harness.window());
    closeDialog(harness, "hotKeyDialog");
    openDialog(harness, "rollerHotKeyDialog", R4);
    shoot("dialog-rollerhotkey-" + code, harness.window());
    closeDialog(harness, "rollerHotKeyDialog");
    openDialog(harness, "programDialog");
    shoot("dialog-program-" + code, harness.window());
    closeDialog(harness, "programDialog");
    if (QObject* removal = harness.root()->findChild<QObject*>("removeProgramsDialog")) {
      QMetaObject::invokeMethod(removal, "askFor", Q_ARG(QVariant, QStringLiteral("krita")), Q_ARG(QVariant, QVariant()));
      shoot("dialog-removeprogram-" + code, harness.window());
      closeDialog(harness, "removeProgramsDialog");
    }
    config.cleanProgramList();
    config.setKeyGroupName(QStringLiteral("CommonKey"));
  }
  return true;
}

// Each dialog of the window and the key-layout help window, for a tablet
// with a dial in the light theme, in Chinese and English, as the screen
// shows them.
int shootDialogs(WindowHarness& harness, const std::function<void(const QString&, QQuickWindow*)>& shoot) {
  QObject* root = harness.root();
  QObject* offline = root->findChild<QObject*>("deviceOfflineDialog");
  QFirmwareUpgrade& firmware = harness.firmware();
  // The theme is kept in the connected model's file.
  auto lightTheme = [&] {
    harness.config().setSkinIndex(5);
    QMetaObject::invokeMethod(root, "reloadAll");
  };
  for (const char* language : {"中文", "English"}) {
    const QString code = QString::fromUtf8(language) == "English" ? "en" : "zh";
    harness.trans().reTrans(QString::fromUtf8(language));
    harness.leave();
    lightTheme();
    shoot("dialog-offline-" + code, harness.window());
    // Dismissed: the pages as they are with no tablet.
    offline->setProperty("dismissed", true);
    shoot("no-device-pen-" + code, harness.window());
    setPage(harness, 1);
    shoot("no-device-area-" + code, harness.window());
    setPage(harness, 0);
    emit firmware.upgradeProgress(42);
    shoot("dialog-upgrading-" + code, harness.window());
    emit firmware.upgradeProgress(100);
    shoot("dialog-upgraded-" + code, harness.window());
    if (!harness.arrive(MyQmlEnum::CFG_MesaA)) return 1;
    lightTheme();
    if (offline->property("opened").toBool()) {
      std::fprintf(stderr, "the offline dialog stayed after the arrival\n");
      return 1;
    }
    QMetaObject::invokeMethod(root, "openDiagnosisDialog");
    harness.world()->start(10, 0);
    shoot("dialog-diagnosis-" + code, harness.window());
    harness.world()->stop();
    QMetaObject::invokeMethod(root->findChild<QObject*>("diagnosisDialog"), "close");
    QMetaObject::invokeMethod(root, "openExampleDialog");
    // in the middle of resizing the area
    harness.settle(1900);
    shoot("dialog-example-" + code, harness.window());
    QMetaObject::invokeMethod(root->findChild<QObject*>("exampleDialog"), "close");
    // What the key page leaves in the map for two of the keys.
    harness.config().setKeyDisPlayTextMap(MyQmlEnum::K1, QCoreApplication::translate("KeyFunctionLists", "撤销"));
    harness.config().setKeyDisPlayTextMap(MyQmlEnum::R1, QCoreApplication::translate("KeyFunctionLists", "笔刷大小"));
    emit harness.tablet().longPressCenterKey(MyQmlEnum::CFG_MesaA);
    harness.settle(50);
    QObject* loader = harness.item("keyLayoutHelp");
    auto* help = qobject_cast<QQuickWindow*>(loader->property("item").value<QObject*>());
    if (!help) {
      std::fprintf(stderr, "no key-layout help window on a long press\n");
      return 1;
    }
    shoot("help-keylayout-" + code, help);
    emit harness.tablet().longPressCenterKey(MyQmlEnum::CFG_MesaA);
    harness.settle(50);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QString outDir;
  int measureRuns = 0;
  bool dialogsOnly = false;
  for (int i = 1; i < argc; ++i) {
    const QByteArray arg = argv[i];
    if (arg == "--scale" && i + 1 < argc)
      qputenv("QT_SCALE_FACTOR", argv[++i]);
    else if (arg == "--measure" && i + 1 < argc)
      measureRuns = QByteArray(argv[++i]).toInt();
    else if (arg == "--dialogs")
      dialogsOnly = true;
    else
      outDir = QString::fromLocal8Bit(arg);
  }
  if (outDir.isEmpty() && measureRuns == 0) {
    std::fprintf(stderr, "usage: windowshots OUTDIR [--scale FACTOR] [--measure RUNS] [--dialogs]\n");
    return 64;
  }
  WindowProcess process(true);
  if (!process.ready()) {
    std::fprintf(stderr, "cannot start Xvfb\n");
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setOrganizationName("varnex");
  QApplication::setApplicationName("VarnexDriver");
  if (measureRuns > 0) return measure(measureRuns);

  QDir().mkpath(outDir);
  WindowHarness harness;
  if (!harness.load()) {
    std::fprintf(stderr, "the window did not load:\n%s", qPrintable(harness.errors));
    return 1;
  }
  harness.window()->show();
  int failures = 0;
  auto shootWindow = [&](const QString& name, QQuickWindow* window) {
    std::fprintf(stderr, "%s\n", qPrintable(name));
    harness.settle(320);
    // The dialogs are taken from the screen: the scene graph's own grab of
    // a software-rendered window leaves out the shade of a modal dialog.
    const QImage picture = window ? window->screen()->grabWindow(window->winId()).toImage() : harness.grab();
    const QString path = outDir + "/" + name + ".png";
    if (isBlank(picture)) {
      std::fprintf(stderr, "blank: %s\n", qPrintable(name));
      ++failures;
    }
    if (!picture.save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      ++failures;
    }
  };
  auto shoot = [&](const QString& name) { shootWindow(name, nullptr); };

  if (!dialogsOnly) shoot("no-device");
  const struct {
    int index;
    const char* name;
  } themes[] = {{5, "gray"}, {1, "black"}};
  const struct {
    const char* language;
    const char* code;
  } languages[] = {{"中文", "zh"}, {"English", "en"}};
  for (const Model& model : dialogsOnly ? std::vector<Model>() : std::vector<Model>(std::begin(kModels), std::end(kModels))) {
    if (!harness.arrive(model.devType)) {
      std::fprintf(stderr, "cannot start the simulated %s\n", model.name);
      return 1;
    }
    for (const auto& theme : themes) {
      harness.config().setSkinIndex(theme.index);
      for (const auto& language : languages) {
        harness.trans().reTrans(QString::fromUtf8(language.language));
        emit harness.tablet().devStateChanged(true, model.devType);
        for (int page = 0; page < 4; ++page) {
          if (page == 2 && !harness.item("navKeys")->isEnabled()) continue;
          setPage(harness, page);
          shoot(QStringLiteral("%1-%2-%3-%4").arg(model.name, theme.name, language.code, kPages[page]));
        }
        setPage(harness, 0);
      }
    }
  }
  failures += shootDialogs(harness, shootWindow);
  if (!shootKeyPageAndDialogs(harness, shootWindow)) {
    std::fprintf(stderr, "cannot show the key page and its dialogs\n");
    ++failures;
  }
  if (!harness.errors.isEmpty()) {
    std::fprintf(stderr, "QML warnings:\n%s", qPrintable(harness.errors));
    ++failures;
  }
  std::printf("pictures in %s\n", qPrintable(QDir(outDir).absolutePath()));
  return failures == 0 ? 0 : 1;
}
