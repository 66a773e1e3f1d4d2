#pragma once

#include "driver/core/CalibrationCalculationPoint.h"
#include "driver/core/InMemorySettingsFiles.h"

#include <QMap>
#include <mutex>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

class QSettings;

// The single store of every user setting: one INI file per model (plus
// "setting.ini" before the first model arrives) below the per-user data
// directory, and the interface language in the per-user native settings.
//
// Nothing here caches a stored value: each getter opens the current file,
// reads one key and closes it; each setter opens, writes and closes. The few
// members kept in memory (current file, program list, key group, the display
// text map, the maximal tablet rectangle, the default key table, the links)
// are shared by the GUI thread, the device thread and the profile thread and
// sit under one lock.
//
// The window sees this object as "configFile"; native code reaches the same
// object through instance().
class ConfigFile : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString KeyGroupName READ getKeyGroupName WRITE setKeyGroupName NOTIFY keyGroupNameChanged)

 public:
  // The process-wide store, created on first use and never destroyed.
  static ConfigFile* instance();

  // A store over its own settings directory; the program uses instance().
  // An empty directory means the per-user data location + "/config/".
  explicit ConfigFile(const QString& settingsDir = QString(), QObject* parent = nullptr);
  ~ConfigFile() override;

  // Switches to the file of the model that just arrived ("<devName>_config.ini"
  // in the settings directory) and picks the default express-key table of its
  // device type; an unknown type keeps the table that was in force.
  void setDeviceConfig(const QString& devName, int devType);

  QString getKeyGroupName() const;
  // Takes "CommonKey", a group from programKeyGroup, or a bare program name,
  // which is made into its program's group; an empty name means "CommonKey".
  // Emits keyGroupNameChanged on every call, also when the name stays.
  void setKeyGroupName(const QString& name);

  // The current model's settings file, and the directory of the settings
  // files. While the current file is held in memory (see
  // settingsHeldInMemory), accesses go to its stand-in instead.
  QString currentConfigFilePath() const;
  QString settingsDirectory() const;

  // Chooses the set of web links: the Chinese site or the international one.
  void loadUrlSet(bool chineseSite);

  // The settings files held in memory so far in this run, each with whether
  // it could not be read (else: could not be written).
  QVector<QPair<QString, bool>> heldSettingsFiles() const;
  // The damaged settings files moved aside so far in this run, each with
  // where it was kept.
  QVector<QPair<QString, QString>> setAsideSettingsFiles() const;

 public slots:
  // Removes a key, or a group with everything below it, from the current file.
  void removeConfigGroup(const QString& groupName);

  // The key group of a program in the program list: what KeyGroupName is
  // set to for it. Mostly its file name; a name that would be one of the
  // store's own sections is stored apart (see ConfigKeyNames::programGroup).
  QString programKeyGroup(const QString& programPath) const;

  int getSkinIndex();
  void setSkinIndex(int index);
  QString getLanguage();
  void setLanguage(const QString& language);
  int getCoordinateModel();
  void setCoordinateModel(int model);
  bool getWinLnk();
  void setWinLnk(bool on);
  bool getHideHint();
  void setHideHint(bool hide);
  bool getDisableShortKey();
  void setDisableShortKey(bool disable);
  double getMouseRate();
  void setMouseRate(double rate);

  // pointPostion: 0 top, 1 middle, 2 bottom; another number gives (0, 0).
  QPointF getPenPressedCurvePoint(int pointPostion);
  void setPenPressedCurve(QPointF top, QPointF mid, QPointF bottom);

  // Per key type (pen buttons, express keys, roller keys, screen combo box);
  // express and roller keys live in the current key group.
  int getComboxIndex(int keyType);
  void setComboxIndex(int keyType, int functionIndex);
  QString getDisplayText(int keyType);
  void setDisplayText(int keyType, const QString& text);
  // -1 for a key type that carries no function.
  int getShortcutkeyEnum(int keyType);
  void setShortcutkeyEnum(int keyType, int shortcutkeyEnum);

  int getCurrentSwivelKey();
  void setCurrentSwivelKey(int keyType);
  // Steps the dial to the next roller key that has a function.
  void switchSwivelKey();

  // rectType: 0 chosen screen area, 1 chosen tablet area (both stored),
  // 2 the reference screen, 3 the maximal tablet area (in memory).
  QRect getRectSize(int rectType);
  void setRectSize(int rectType, QRect rect);

  int getRotationAngle();
  void setRotationAngle(int angle);

  void setCalibrationPointInfo(int angle, const CalibrationCalculationPoint& point);
  // Clears point.valid first; the coefficients stay as they were unless a
  // complete record is stored for that angle.
  void getCalibrationPointInfo(int angle, CalibrationCalculationPoint& point);

  bool getIsDisablePressure();
  void setDisablePressure(bool disable);

  void addProgramList(const QString& path);
  void subProgramList(int index);
  void cleanProgramList();
  // -1 resets the common key group, an index the group of that program; the
  // reset group becomes the current one.
  void cleanProgramConfig(int index);
  // Rereads the program list from the file.
  QVariantList getProgramList();
  // The program list as held, without touching the file.
  QVariantList getCusConfigProgramPathList();

  // Both return false when cancelled or when nothing was copied, and tell
  // the user (not only the log) why; a failed copy leaves the old target as
  // it was. An import of another model's file returns true and says which
  // model it belongs to.
  bool importConfigFile();
  bool exportConfigFile();

  void setKeyDisPlayTextMap(int key, const QString& text);
  QString getDisPlayTextFromMap(int key);

  // The link of that URLTYPE; "" for another number.
  QString getUrl(int urlType);

 signals:
  void keyGroupNameChanged(const QString& keyGroupName);
  // A program was added to the program list, on the calling thread.
  void programAdded();
  // A settings file is no longer read or written in this run: `unreadable`
  // when it could not be read (its settings start from their defaults),
  // else when a write to it failed (changes last until the driver ends).
  // Emitted once per file, from whichever thread found it, possibly with the
  // store's lock held: connect it queued.
  void settingsHeldInMemory(const QString& path, bool unreadable);
  // A damaged settings file was moved to `keptAs`; the settings of its model
  // start again from their defaults. Connect it queued, as above.
  void settingsFileSetAside(const QString& path, const QString& keptAs);

 private:
  struct Where {
    QString path;
    QString group;
  };
  Where where() const;
  QVariant readValue(const QString& key, const QVariant& absent) const;
  template <typename T>
  T readChecked(const QString& path, const QString& key, const T& absent,
                std::optional<T> (*convert)(const QVariant&)) const;
  int readInt(const QString& key, int absent) const;
  bool readBool(const QString& key, bool absent) const;
  QRect readRect(const QString& key, const QRect& absent) const;
  QPointF readPoint(const QString& key, const QPointF& absent) const;
  // Checks a file as it comes into use; one that cannot be used is held in
  // memory from then on.
  void takeIntoUse(const QString& path);
  // Applies a change to the file at `path` (or its stand-in) and saves it;
  // when saving fails, the file is held in memory with the change applied.
  void update(const QString& path, const std::function<void(QSettings&)>& change);
  QString languageFile();
  void writeValue(const QString& key, const QVariant& value);
  void removeKeys(const QStringList& keys);
  void writeProgramArray(QSettings& settings, const QVariantList& programs);
  void useKeyGroup(const QString& name);

  mutable std::mutex m_lock;
  InMemorySettingsFiles m_memory;
  std::once_flag m_languageChecked;
  std::array<QString, 5> m_urls;
  QString m_settingsDir;
  QString m_configFilePath;
  QVariantList m_programList;
  QString m_keyGroupName;
  QRect m_maxTabletRect;
  QMap<int, QString> m_displayTextMap;
  QMap<int, int> m_currentDefaultKeyTable;
  QVector<QPair<QString, QString>> m_setAside;
};
