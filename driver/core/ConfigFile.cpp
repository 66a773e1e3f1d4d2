#include "driver/core/ConfigFile.h"

#include "driver/core/ConfigKeyNames.h"
#include "driver/core/ConfigTransfer.h"
#include "driver/core/DefaultKeyTables.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/ProjectLinks.h"
#include "driver/core/SafeFileCopy.h"
#include "driver/core/SaneGeometry.h"
#include "driver/core/SettingsFileCheck.h"
#include "driver/core/StoredValues.h"
#include "platform/system/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <mutex>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>

Q_LOGGING_CATEGORY(lcConfig, "varnex.config")

using namespace MyQmlEnum;
using ConfigKeyNames::Access;
using ConfigKeyNames::Family;
using ConfigKeyNames::keyFor;

namespace {

const QRect kReferenceScreenRect(0, 0, 300, 168);
const char* const kProgramArray = ConfigKeyNames::kProgramListArray;
const int kCalibrationEntries = 7;

QString defaultSettingsDirectory() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  if (base.isEmpty())
    base = QDir::homePath() + "/." + QCoreApplication::organizationName() + "/" +
           QCoreApplication::applicationName();
  return base + "/config/";
}

// The interface language is the one setting outside the model files, in the
// file QSettings' native format keeps for organisation "Varnex", application
// "varnexDriver".
QString languageSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Varnex/varnexDriver.conf");
}

QString groupOfProgram(const QVariant& path) { return ConfigKeyNames::programGroup(path.toString()); }

}  // namespace

ConfigFile* ConfigFile::instance() {
  static ConfigFile* const store = new ConfigFile;
  return store;
}

ConfigFile::ConfigFile(const QString& settingsDir, QObject* parent)
    : QObject(parent),
      m_urls(ProjectLinks::urlsFor(ProjectLinks::Site::Chinese)),
      m_settingsDir(settingsDir.isEmpty() ? defaultSettingsDirectory() : settingsDir),
      m_keyGroupName(QLatin1String(ConfigKeyNames::kCommonKeyGroup)),
      m_maxTabletRect(1, 1, 1, 1) {
  if (!m_settingsDir.endsWith('/')) m_settingsDir += '/';
  if (!QDir().mkpath(m_settingsDir)) qCWarning(lcConfig) << "cannot create the settings directory" << m_settingsDir;
  m_configFilePath = m_settingsDir + "setting.ini";
  takeIntoUse(m_configFilePath);
}

ConfigFile::~ConfigFile() = default;

// ---- in-memory members ---------------------------------------------------

ConfigFile::Where ConfigFile::where() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return {m_memory.accessPath(m_configFilePath), m_keyGroupName};
}

QString ConfigFile::currentConfigFilePath() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_configFilePath;
}

QString ConfigFile::settingsDirectory() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_settingsDir;
}

void ConfigFile::setDeviceConfig(const QString& devName, int devType) {
  const std::optional<QMap<int, int>> table = DefaultKeyTables::forDeviceType(devType);
  QString path;
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_configFilePath = QFileInfo(m_configFilePath).absolutePath() + "/" + devName + "_config.ini";
    if (table) m_currentDefaultKeyTable = *table;
    path = m_configFilePath;
  }
  qCInfo(lcConfig) << "settings file" << path;
  takeIntoUse(path);
  // The held program list mirrors the current file; the profile watcher reads
  // it without rereading, so it must follow the switch.
  getProgramList();
}

QString ConfigFile::getKeyGroupName() const { return where().group; }

QString ConfigFile::programKeyGroup(const QString& programPath) const {
  return ConfigKeyNames::programGroup(programPath);
}

void ConfigFile::setKeyGroupName(const QString& name) {
  // The window names a group as programKeyGroup gave it; a bare program name
  // ("Area", "global") is made into its group here, so a key stored for that
  // program can never land in one of the store's own sections.
  const QLatin1String common(ConfigKeyNames::kCommonKeyGroup);
  QString group = name;
  if (name.isEmpty()) {
    qCWarning(lcConfig) << "an empty key group name; using" << common;
    group = common;
  } else if (name != common && !ConfigKeyNames::isProgramGroup(name)) {
    group = ConfigKeyNames::programGroup(name);
  }
  useKeyGroup(group);
}

void ConfigFile::useKeyGroup(const QString& name) {
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_keyGroupName = name;
  }
  emit keyGroupNameChanged(name);
}

void ConfigFile::loadUrlSet(bool chineseSite) {
  const auto urls = ProjectLinks::urlsFor(chineseSite ? ProjectLinks::Site::Chinese : ProjectLinks::Site::International);
  std::lock_guard<std::mutex> locker(m_lock);
  m_urls = urls;
}

QString ConfigFile::getUrl(int urlType) {
  std::lock_guard<std::mutex> locker(m_lock);
  if (urlType < 0 || urlType >= int(m_urls.size())) return {};
  return m_urls[urlType];
}

void ConfigFile::setKeyDisPlayTextMap(int key, const QString& text) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_displayTextMap.insert(key, text);
}

QString ConfigFile::getDisPlayTextFromMap(int key) {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_displayTextMap.value(key);
}

// ---- file access ----------------------------------------------------------

void ConfigFile::takeIntoUse(const QString& path) {
  // A file found unusable once is never handed to QSettings again in this
  // run: reading it again is what ended the driver at every arrival.
  if (m_memory.isHeld(path)) return;
  QString setAside;
  const SettingsFileCheck::Finding found = SettingsFileCheck::inspectAndSetAside(path, &setAside);
  if (found.usable()) return;
  if (!setAside.isEmpty()) {
    {
      std::lock_guard<std::mutex> locker(m_lock);
      m_setAside.append({path, setAside});
    }
    emit settingsFileSetAside(path, setAside);
    return;
  }
  if (m_memory.hold(path, InMemorySettingsFiles::Why::NotReadable))
    emit settingsHeldInMemory(path, true);
}

void ConfigFile::update(const QString& path, const std::function<void(QSettings&)>& change) {
  const QString access = m_memory.accessPath(path);
  {
    QSettings settings(access, QSettings::IniFormat);
    change(settings);
    settings.sync();
    if (settings.status() == QSettings::NoError) return;
  }
  qCWarning(lcConfig) << "cannot write" << access;
  if (access != path) return;
  // QSettings keeps the unwritten change in its cache, where it looks saved
  // until the restart loses it. Go on in memory from what the file holds,
  // plus the change, and say so.
  const platform::RegularFileRead current = platform::readRegularFile(QFile::encodeName(path), kLargestCopiedFile);
  if (!m_memory.hold(path, InMemorySettingsFiles::Why::NotWritable, current.bytes)) return;
  qCWarning(lcConfig) << "the settings of" << path << "are kept in memory for this run and will not be saved";
  {
    QSettings memory(m_memory.accessPath(path), QSettings::IniFormat);
    change(memory);
  }
  emit settingsHeldInMemory(path, false);
}

QVector<QPair<QString, QString>> ConfigFile::setAsideSettingsFiles() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_setAside;
}

QVector<QPair<QString, bool>> ConfigFile::heldSettingsFiles() const {
  QVector<QPair<QString, bool>> result;
  for (const InMemorySettingsFiles::Held& held : m_memory.held())
    result.append({held.path, held.why == InMemorySettingsFiles::Why::NotReadable});
  return result;
}

QVariant ConfigFile::readValue(const QString& key, const QVariant& absent) const {
  QSettings settings(where().path, QSettings::IniFormat);
  return settings.value(key, absent);
}

// A stored value that is not of its kind counts as absent; it is logged, so
// a damaged file shows up in the log instead of as a strange pen.
template <typename T>
T ConfigFile::readChecked(const QString& path, const QString& key, const T& absent,
                          std::optional<T> (*convert)(const QVariant&)) const {
  QSettings settings(path, QSettings::IniFormat);
  const QVariant stored = settings.value(key);
  if (!stored.isValid()) return absent;
  const std::optional<T> value = convert(stored);
  if (value) return *value;
  qCWarning(lcConfig) << "damaged value" << key << "in" << path << "ignored:" << stored.toString().left(80);
  return absent;
}

int ConfigFile::readInt(const QString& key, int absent) const {
  return readChecked<int>(where().path, key, absent, &StoredValues::toInt);
}

bool ConfigFile::readBool(const QString& key, bool absent) const {
  return readChecked<bool>(where().path, key, absent, &StoredValues::toBool);
}

QRect ConfigFile::readRect(const QString& key, const QRect& absent) const {
  return readChecked<QRect>(where().path, key, absent, &StoredValues::toRect);
}

QPointF ConfigFile::readPoint(const QString& key, const QPointF& absent) const {
  return readChecked<QPointF>(where().path, key, absent, &StoredValues::toPoint);
}

void ConfigFile::writeValue(const QString& key, const QVariant& value) {
  update(currentConfigFilePath(), [&](QSettings& settings) { settings.setValue(key, value); });
}

void ConfigFile::removeKeys(const QStringList& keys) {
  update(currentConfigFilePath(), [&](QSettings& settings) {
    for (const QString& key : keys)
      if (!key.isEmpty()) settings.remove(key);
  });
}

void ConfigFile::removeConfigGroup(const QString& groupName) {
  // QSettings reads an empty name as "everything": never wipe the whole file
  // because a caller passed nothing.
  if (groupName.isEmpty()) {
    qCWarning(lcConfig) << "removeConfigGroup without a name ignored";
    return;
  }
  removeKeys({groupName});
}

// ---- global, pressure curve, pen, area -------------------------------------

int ConfigFile::getSkinIndex() { return readInt("global/SkinIndex", 5); }
void ConfigFile::setSkinIndex(int index) { writeValue("global/SkinIndex", index); }

QString ConfigFile::languageFile() {
  // Checked before its first reading, like the model files.
  std::call_once(m_languageChecked, [this] { takeIntoUse(languageSettingsFile()); });
  return languageSettingsFile();
}

QString ConfigFile::getLanguage() {
  QSettings settings(m_memory.accessPath(languageFile()), QSettings::IniFormat);
  return settings.value("Language", QString()).toString();
}

void ConfigFile::setLanguage(const QString& language) {
  update(languageFile(), [&](QSettings& settings) { settings.setValue("Language", language); });
}

int ConfigFile::getCoordinateModel() { return readInt("global/CoordinateModel", 0); }
void ConfigFile::setCoordinateModel(int model) { writeValue("global/CoordinateModel", model); }
bool ConfigFile::getWinLnk() { return readBool("global/WinLnk", true); }
void ConfigFile::setWinLnk(bool on) { writeValue("global/WinLnk", on); }
bool ConfigFile::getHideHint() { return readBool("global/HideHint", false); }
void ConfigFile::setHideHint(bool hide) { writeValue("global/HideHint", hide); }
bool ConfigFile::getDisableShortKey() { return readBool("global/DisableShortcut", false); }
void ConfigFile::setDisableShortKey(bool disable) { writeValue("global/DisableShortcut", disable); }
// The window's speed slider runs from 0 to 1; a value outside would make the
// relative pointer crawl or leap (or, not finite, stop it for good).
double ConfigFile::getMouseRate() {
  return readChecked<double>(where().path, "global/MouseRate", 0.5,
                             [](const QVariant& stored) { return StoredValues::toDouble(stored, 0.0, 1.0); });
}
void ConfigFile::setMouseRate(double rate) { writeValue("global/MouseRate", rate); }

QPointF ConfigFile::getPenPressedCurvePoint(int pointPostion) {
  switch (pointPostion) {
    case TopPoint:
      return readPoint("PressCurve/topPoint", QPointF(1.0, 1.0));
    case MidPoint:
      return readPoint("PressCurve/midPoint", QPointF(0.5, 0.5));
    case BottomPoint:
      return readPoint("PressCurve/bottomPoint", QPointF(0.0, 0.0));
    default:
      return QPointF(0, 0);
  }
}

void ConfigFile::setPenPressedCurve(QPointF top, QPointF mid, QPointF bottom) {
  update(currentConfigFilePath(), [&](QSettings& settings) {
    settings.setValue("PressCurve/topPoint", top);
    settings.setValue("PressCurve/midPoint", mid);
    settings.setValue("PressCurve/bottomPoint", bottom);
  });
}

bool ConfigFile::getIsDisablePressure() { return readBool("PenKey/DisablePressure", false); }
void ConfigFile::setDisablePressure(bool disable) { writeValue("PenKey/DisablePressure", disable); }

int ConfigFile::getRotationAngle() { return readInt("Area/RotationAngle", 0); }
void ConfigFile::setRotationAngle(int angle) { writeValue("Area/RotationAngle", angle); }

QRect ConfigFile::getRectSize(int rectType) {
  switch (rectType) {
    case DynamicRectScreen:
      return readRect("Area/DynamicRectScreen", kReferenceScreenRect);
    case DynamicRectTablet: {
      QRect maxTablet;
      {
        std::lock_guard<std::mutex> locker(m_lock);
        maxTablet = m_maxTabletRect;
      }
      return readRect("Area/DynamicRectTablet", maxTablet);
    }
    case MaxVirtualScreen:
      return kReferenceScreenRect;
    case MaxVirtualTablet: {
      std::lock_guard<std::mutex> locker(m_lock);
      return m_maxTabletRect;
    }
    default:
      return QRect();
  }
}

void ConfigFile::setRectSize(int rectType, QRect rect) {
  switch (rectType) {
    case DynamicRectScreen:
      writeValue("Area/DynamicRectScreen", rect);
      break;
    case DynamicRectTablet:
      writeValue("Area/DynamicRectTablet", rect);
      break;
    case MaxVirtualTablet: {
      std::lock_guard<std::mutex> locker(m_lock);
      m_maxTabletRect = SaneGeometry::clamped(rect);
      break;
    }
    default:
      break;
  }
}

void ConfigFile::setCalibrationPointInfo(int angle, const CalibrationCalculationPoint& point) {
  QStringList entries;
  for (double value : {point.a, point.b, point.c, point.d, point.e, point.f})
    entries << QString::number(value, 'g', 6);
  entries << QString::number(point.valid ? 1 : 0);
  writeValue(QStringLiteral("Area/CalibrationCalculationPoint%1").arg(angle), entries);
}

void ConfigFile::getCalibrationPointInfo(int angle, CalibrationCalculationPoint& point) {
  point.valid = false;
  const QStringList entries =
      readValue(QStringLiteral("Area/CalibrationCalculationPoint%1").arg(angle), QVariant()).toStringList();
  if (entries.size() < kCalibrationEntries) return;
  double values[6];
  for (int i = 0; i < 6; ++i) {
    bool ok = false;
    values[i] = entries[i].toDouble(&ok);
    // A damaged record must not become a correction that throws every pen
    // position onto one spot: treat it as not calibrated.
    if (!ok || !std::isfinite(values[i])) {
      qCWarning(lcConfig) << "calibration record for angle" << angle << "is damaged; ignored";
      return;
    }
  }
  point.a = values[0];
  point.b = values[1];
  point.c = values[2];
  point.d = values[3];
  point.e = values[4];
  point.f = values[5];
  point.valid = QVariant(entries[6]).toBool();
}

// ---- key functions ----------------------------------------------------------

int ConfigFile::getComboxIndex(int keyType) {
  const QString key = keyFor(Family::FunctionIndex, keyType, Access::Read, where().group);
  if (key.isEmpty()) return 0;
  int absent = 0;
  if (keyType >= R1 && keyType <= R3) absent = keyType - R1 + 1;
  return readInt(key, absent);
}

void ConfigFile::setComboxIndex(int keyType, int functionIndex) {
  const QString key = keyFor(Family::FunctionIndex, keyType, Access::Write, where().group);
  if (!key.isEmpty()) writeValue(key, functionIndex);
}

QString ConfigFile::getDisplayText(int keyType) {
  const QString key = keyFor(Family::DisplayText, keyType, Access::Read, where().group);
  if (key.isEmpty()) return {};
  return readValue(key, QString()).toString();
}

void ConfigFile::setDisplayText(int keyType, const QString& text) {
  const QString key = keyFor(Family::DisplayText, keyType, Access::Write, where().group);
  if (!key.isEmpty()) writeValue(key, text);
}

int ConfigFile::getShortcutkeyEnum(int keyType) {
  // File, group and default table are taken together, so a model arriving
  // meanwhile never pairs one model's file with another model's defaults.
  QString path;
  QString key;
  int absent = ENoEffect;
  {
    std::lock_guard<std::mutex> locker(m_lock);
    key = keyFor(Family::ShortcutkeyEnum, keyType, Access::Read, m_keyGroupName);
    if (key.isEmpty()) return -1;
    path = m_configFilePath;
    if (keyType == PenUpKey)
      absent = ERightMouseButton;
    else if (keyType == PenDownKey)
      absent = EPenEraserTool;
    else if (ConfigKeyNames::isExpressKey(keyType))
      absent = m_currentDefaultKeyTable.value(keyType, ENoEffect);
    else if (keyType >= R1 && keyType <= R3)
      absent = ESwivelWheel + (keyType - R1);
  }
  return readChecked<int>(path, key, absent, &StoredValues::toInt);
}

void ConfigFile::setShortcutkeyEnum(int keyType, int shortcutkeyEnum) {
  const QString key = keyFor(Family::ShortcutkeyEnum, keyType, Access::Write, where().group);
  if (!key.isEmpty()) writeValue(key, shortcutkeyEnum);
}

int ConfigFile::getCurrentSwivelKey() { return readInt(where().group + "/CurrentSwivelKey", int(R1)); }

void ConfigFile::setCurrentSwivelKey(int keyType) { writeValue(where().group + "/CurrentSwivelKey", keyType); }

void ConfigFile::switchSwivelKey() {
  // The dial cycles through R1 .. R6. A stored key outside that ring (a
  // damaged file, or R7/R8 that no model has) starts the ring again at R1
  // rather than walking into the key types after the roller keys.
  for (int step = 0; step < 7; ++step) {
    const int current = getCurrentSwivelKey();
    const int next = (current >= R1 && current < R6) ? current + 1 : int(R1);
    setCurrentSwivelKey(next);
    if (getShortcutkeyEnum(next) != ENoEffect) return;
  }
}

// ---- programs with their own key group ----------------------------------------

void ConfigFile::writeProgramArray(QSettings& settings, const QVariantList& programs) {
  // Rewritten from scratch so a shorter list leaves no stale entries behind.
  settings.remove(kProgramArray);
  settings.beginWriteArray(kProgramArray);
  for (int i = 0; i < programs.size(); ++i) {
    settings.setArrayIndex(i);
    settings.setValue("path", programs[i]);
  }
  settings.endArray();
}

// The program list and its file change together under the lock, so the
// profile watcher never sees a list the file does not hold.
void ConfigFile::addProgramList(const QString& path) {
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_programList.append(QVariant(path));
    const QVariantList programs = m_programList;
    update(m_configFilePath, [&](QSettings& settings) { writeProgramArray(settings, programs); });
  }
  emit programAdded();
}

void ConfigFile::subProgramList(int index) {
  std::lock_guard<std::mutex> locker(m_lock);
  if (index < 0 || index >= m_programList.size()) return;
  const QString group = groupOfProgram(m_programList.takeAt(index));
  const QVariantList programs = m_programList;
  update(m_configFilePath, [&](QSettings& settings) {
    if (!group.isEmpty()) settings.remove(group);
    writeProgramArray(settings, programs);
  });
}

void ConfigFile::cleanProgramList() {
  std::lock_guard<std::mutex> locker(m_lock);
  QStringList groups;
  for (const QVariant& program : qAsConst(m_programList)) groups << groupOfProgram(program);
  m_programList.clear();
  update(m_configFilePath, [&](QSettings& settings) {
    for (const QString& group : qAsConst(groups))
      if (!group.isEmpty()) settings.remove(group);
    settings.remove(kProgramArray);
  });
}

void ConfigFile::cleanProgramConfig(int index) {
  QString group;
  {
    std::lock_guard<std::mutex> locker(m_lock);
    if (index == -1) {
      group = QLatin1String(ConfigKeyNames::kCommonKeyGroup);
    } else if (index >= 0 && index < m_programList.size()) {
      group = groupOfProgram(m_programList[index]);
    }
  }
  if (group.isEmpty()) {
    qCWarning(lcConfig) << "cleanProgramConfig: no program at" << index;
    return;
  }
  removeKeys({group});
  useKeyGroup(group);
}

QVariantList ConfigFile::getProgramList() {
  std::lock_guard<std::mutex> locker(m_lock);
  QSettings settings(m_memory.accessPath(m_configFilePath), QSettings::IniFormat);
  // The list is only what the file holds: a "size" far beyond its entries
  // is damage, not a reason to read (and hold) that many.
  QString damage;
  const QVariantList programs = StoredValues::readPathArray(settings, kProgramArray, &damage);
  if (!damage.isEmpty()) qCWarning(lcConfig) << "damaged program list in" << m_configFilePath << ":" << damage;
  m_programList = programs;
  return programs;
}

QVariantList ConfigFile::getCusConfigProgramPathList() {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_programList;
}

// ---- import and export -----------------------------------------------------------

bool ConfigFile::exportConfigFile() {
  // What is in effect goes out, under the model's file name.
  return ConfigTransfer::exportSettings(where().path, QFileInfo(currentConfigFilePath()).fileName());
}

bool ConfigFile::importConfigFile() {
  const ConfigTransfer::Imported imported = ConfigTransfer::importSettings(currentConfigFilePath());
  if (imported.target.isEmpty()) return false;
  // A sound file stands there now; it replaces whatever was held in memory.
  m_memory.release(imported.target);
  return true;
}
