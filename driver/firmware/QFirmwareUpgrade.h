#pragma once

#include "driver/firmware/IapFrame.h"
#include "driver/firmware/ShVersionRecord.h"

#include <QObject>
#include <QString>
#include <memory>

class HidDevice;

// The firmware controller: reads the firmware and hardware versions, the
// firmware type and the pen type of the connected tablet over its IAP
// interface, and upgrades its firmware in two phases: the user picks and
// checks a file while the application runs and the tablet is sent to its
// boot loader; when it arrives again as the boot loader the file is checked
// once more and transferred block by block. Everything runs on the GUI thread.
class QFirmwareUpgrade : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString firmwareVer READ firmwareVer WRITE setFirmwareVer NOTIFY firmwareVerChanged)
  Q_PROPERTY(QString hardWareVer READ hardWareVer WRITE setHardWareVer NOTIFY hardWareVerChanged)
  Q_PROPERTY(QString firmwareType READ firmwareType WRITE setFirmwareType NOTIFY firmwareTypeChanged)
  Q_PROPERTY(QString penType READ penType NOTIFY penTypeChanged)

 public:
  explicit QFirmwareUpgrade(QObject* parent = nullptr);
  ~QFirmwareUpgrade() override;

  // The one controller of the process (the exchange reports progress on it).
  static QFirmwareUpgrade* instance();

  QString firmwareVer() const { return m_firmwareVer; }
  QString hardWareVer() const { return m_hardWareVer; }
  QString firmwareType() const { return m_firmwareType; }
  QString penType() const { return m_penType; }
  QString productName() const { return m_productName; }
  QString binPath() const { return m_binPath; }
  int devType() const { return m_devType; }
  uint32_t iapCapabilities() const { return m_iapCapabilities; }
  const ShVersionRecord& lastVersion() const { return m_version; }
  HidDevice* iapDevice() const { return m_iapDevice.get(); }

  // At a tablet's arrival, in this order: open the IAP interface, ask where
  // the tablet runs, then read the versions (application) or resume an
  // upgrade (boot loader); close the interface unless an upgrade goes on.
  bool OpenIapDevicePort(int devType);
  // -1 when the run region could not be queried, 1 in the boot loader, 0 in
  // the application. `directory` is the program's own directory.
  int getIsBoot(const QString& directory);
  bool queryDeviceVersions(int devType);
  bool queryBootDeviceInfo();
  Q_INVOKABLE void closeIapDevicePort();

  // The whole arrival handling of a tablet (device types below 19000):
  // returns false when the tablet runs its boot loader, which then must not
  // be opened for input.
  bool handleArrival(int devType, const QString& programDirectory);

  // The checks of a firmware file against the connected tablet.
  bool checkProductModel(const QString& productCode);
  bool checkChipType(const QString& firmwareType, uint8_t chipCode);
  bool checkPcbVersion(const QString& hardwareRange);
  bool checkPenType(const QString& penType, uint8_t penCode);
  bool checkFirmwareFile(const QString& path);

  struct Acceptance {
    enum class Outcome { Accepted, NotFirmwareName, Refused } outcome = Outcome::Accepted;
    const char* message = nullptr;  // source text of the refusal (QFirmwareUpgrade context)
  };
  // Runs every check in order on the file (it opens the IAP interface on
  // the way); the first refusal ends it.
  Acceptance acceptFirmwareFile(const QString& path);
  // The same over contents the caller has read itself (firmwarecheck keeps a
  // name's bytes as the system gives them, which a QString path may not).
  Acceptance acceptFirmwareFile(const QString& path, const QByteArray& contents);

  // One request to the boot loader; status 8 when no intact answer came.
  Iap::Answer request(const Iap::Command& command, const QByteArray& payload = QByteArray());

  // Sends the chosen file to a tablet that runs its boot loader; false when
  // the transfer broke off or never started.
  bool UpdateFirmwareVersion();

  // The window's progress, then a short local event loop so the window
  // repaints while the transfer blocks the GUI thread.
  void reportProgress(int value);

  // Percentage of the transfer after the last block written.
  static float transferProgress();

  // The waits of an upgrade. Tests shorten them.
  struct Timing {
    int answerTimeoutMs = 5000;  // an answer later than this counts as a failed read
    int progressLoopMs = 50;     // local event loop after each progress report
    int lastBlockDelayMs = 500;  // pause before the last block is written
  };
  static void setTiming(const Timing& timing);
  static Timing timing();

 signals:
  void FirmwareUpgradeStatusChanged();
  void firmwareVerChanged(QString firmwareVer);
  void hardWareVerChanged(QString hardWareVer);
  void upgradeProgress(int value);
  void upgradeProgressStatic(int value);
  void firmwareTypeChanged(QString firmwareType);
  void penTypeChanged(QString penType);
  // The transfer broke off: the tablet keeps its boot loader and needs
  // another upgrade.
  void firmwareUpgradeFailed();

 public slots:
  void setFirmwareVer(QString firmwareVer);
  void setHardWareVer(QString hardWareVer);
  void startFirmwareUpgrade();
  void firmwareDownload(QString devName);
  void setFirmwareType(QString firmwareType);
  void setPenType(int pentype);
  void SlotUpgradeProgressStatic(int value);

 private:
  Acceptance acceptWith(const QString& path, const QByteArray* contents);
  friend int Driver_Comm_SendReceive_Callback(QFirmwareUpgrade* context, int mode, uint8_t* report, uint16_t count,
                                              uint8_t* answer, uint16_t* answerLength);

  static void setTransferProgress(float progress);
  bool readAdditionalInfo();
  bool querySHVersion();
  void runUpgrade();
  void failUpgrade(const char* message);
  void tellTransferFailed();
  QString downloadUrl() const;

  std::unique_ptr<HidDevice> m_iapDevice;
  ShVersionRecord m_version;
  uint8_t m_additionalMsg[3] = {0, 0, 0};
  QString m_firmwareVer;
  QString m_hardWareVer;
  int m_devType = -1;
  uint32_t m_iapCapabilities = 0;
  QString m_binPath;
  QString m_firmwareType;
  QString m_penType;
  QString m_productName;
  // The directory and name of the firmware file a transfer reads.
  QString m_firmwareDirectory;
  QString m_firmwareFileName;
  bool m_upgradeRunning = false;
};

// The only way to the boot loader: writes one request report (mode 2) and
// reads its answer into `answer` (1200 bytes), setting `answerLength`.
// Returns the bytes read, 0 when nothing came.
int Driver_Comm_SendReceive_Callback(QFirmwareUpgrade* context, int mode, uint8_t* report, uint16_t count,
                                     uint8_t* answer, uint16_t* answerLength);
