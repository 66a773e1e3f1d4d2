#include "driver/firmware/QFirmwareUpgrade.h"

#include "driver/core/BrowserService.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/FileDialogService.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/PromptService.h"
#include "driver/firmware/FirmwareLog.h"
#include "driver/firmware/FirmwareModels.h"
#include "driver/firmware/IapConsole.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ModelTable.h"

#include <QDir>
#include <QFileInfo>

namespace {

QFirmwareUpgrade* s_instance = nullptr;

// The boot loader's interface sits beside the tablet's own, on a vendor page.
constexpr uint16_t kIapUsagePage = 0xFF0C;
constexpr uint16_t kIapUsage = 7;

const char* const kTitleUpgrade = QT_TRANSLATE_NOOP("QFirmwareUpgrade", "升级提示");
const char* const kRunRegionFailed = QT_TRANSLATE_NOOP("QFirmwareUpgrade", "运行区间获取失败，请重试.\n");
const char* const kTransferFailed = QT_TRANSLATE_NOOP(
    "QFirmwareUpgrade", "固件传输失败，数位板仍处于升级模式。\n请重新插拔数位板，然后再次选择固件文件进行升级。\n");

}  // namespace

QFirmwareUpgrade::QFirmwareUpgrade(QObject* parent) : QObject(parent) {
  s_instance = this;
  connect(this, &QFirmwareUpgrade::upgradeProgressStatic, this, &QFirmwareUpgrade::SlotUpgradeProgressStatic);
}

QFirmwareUpgrade::~QFirmwareUpgrade() {
  m_iapDevice.reset();
  if (s_instance == this) s_instance = nullptr;
}

QFirmwareUpgrade* QFirmwareUpgrade::instance() { return s_instance; }

void QFirmwareUpgrade::setFirmwareVer(QString firmwareVer) {
  if (firmwareVer == m_firmwareVer) return;
  m_firmwareVer = firmwareVer;
  emit firmwareVerChanged(m_firmwareVer);
}

void QFirmwareUpgrade::setHardWareVer(QString hardWareVer) {
  if (hardWareVer == m_hardWareVer) return;
  m_hardWareVer = hardWareVer;
  emit hardWareVerChanged(m_hardWareVer);
}

void QFirmwareUpgrade::setFirmwareType(QString firmwareType) {
  if (firmwareType == m_firmwareType) return;
  m_firmwareType = firmwareType;
  emit firmwareTypeChanged(m_firmwareType);
}

void QFirmwareUpgrade::setPenType(int pentype) {
  // A pen code the model does not know leaves the pen type as it was.
  const FirmwareModel* model = FirmwareModels::byDevType(m_devType);
  if (model && pentype >= 0 && pentype < 3 && model->penTypes[pentype])
    m_penType = QString::fromLatin1(model->penTypes[pentype]);
  emit penTypeChanged(m_penType);
}

void QFirmwareUpgrade::SlotUpgradeProgressStatic(int value) { emit upgradeProgress(value); }

bool QFirmwareUpgrade::OpenIapDevicePort(int devType) {
  m_devType = devType;
  if (!m_iapDevice) {
    const ModelEntry* model = ModelTable::byDevType(devType);
    if (model) {
      m_iapDevice =
          std::make_unique<HidDevice>(model->vendorId, model->productId, kIapUsagePage, kIapUsage, false, false);
    }
    if (!m_iapDevice || !m_iapDevice->opened()) {
      // Nothing kept: the next call searches again.
      m_iapDevice.reset();
      m_iapCapabilities = 0;
      qCCritical(lcFirmware) << "iapDevice error";
      return false;
    }
    m_iapCapabilities = uint32_t(m_iapDevice->productCode());
  }
  return true;
}

int QFirmwareUpgrade::getIsBoot(const QString& directory) {
  const QFileInfo where(QDir::fromNativeSeparators(directory));
  m_firmwareDirectory = QDir::toNativeSeparators(where.absolutePath() + QLatin1Char('/'));
  m_firmwareFileName = where.fileName();
  const Iap::Answer answer = request(Iap::kQueryRunRegion);
  if (answer.status != 0) return -1;
  return answer.dataByte(0) == 1 ? 0 : 1;
}

bool QFirmwareUpgrade::querySHVersion() {
  m_version = ShVersionRecord::fromAnswer(request(Iap::getShVersion(m_devType)));
  return m_version.status == 0;
}

bool QFirmwareUpgrade::queryDeviceVersions(int devType) {
  m_devType = devType;
  m_firmwareVer.clear();
  m_hardWareVer.clear();
  m_firmwareType.clear();
  m_penType.clear();
  m_productName.clear();
  m_version = ShVersionRecord();
  querySHVersion();
  qCInfo(lcFirmware).noquote()
      << QStringLiteral("[GetSHVersion] ver: %1.%2").arg(m_version.firmwareMajor).arg(m_version.firmwareMinor);
  if (m_version.status != 0) {
    qCCritical(lcFirmware).noquote() << QStringLiteral("[GetSHVersion] RspErrCode: %1").arg(m_version.status);
    return false;
  }
  const QString firmware = QString::number(m_version.firmwareMajor + m_version.firmwareMinor / 100.0, 'f', 2);
  const QString hardware = QString::number(m_version.hardwareMajor + m_version.hardwareMinor / 100.0, 'f', 2);
  qCDebug(lcFirmware) << "hardWareVer:" << hardware;
  setFirmwareVer(firmware);
  setHardWareVer(hardware);
  return readAdditionalInfo();
}

bool QFirmwareUpgrade::queryBootDeviceInfo() {
  m_firmwareType.clear();
  m_penType.clear();
  m_productName.clear();
  return readAdditionalInfo();
}

bool QFirmwareUpgrade::readAdditionalInfo() {
  QString firmwareType;
  int penCode = 0;
  if (m_iapCapabilities == 0) {
    // The ST platform has one firmware type and answers no additional message.
    firmwareType = QStringLiteral("CP1");
  } else {
    const Iap::Answer answer = request(Iap::getAdditionalMsg(m_devType));
    if (answer.status != 0) {
      IapConsole::print("IAP    |->   GetAdditionalMsg Function Failed . \n", IapConsole::Stream::Error);
      qCDebug(lcFirmware) << "GetAdditionalMsg error";
      return false;
    }
    for (int i = 0; i < 3; ++i) m_additionalMsg[i] = answer.dataByte(i);
    firmwareType = FirmwareModels::firmwareTypeForChip(m_additionalMsg[0]);
    if (m_iapCapabilities & 4) penCode = m_additionalMsg[1];
  }
  setPenType(penCode);
  setFirmwareType(firmwareType);
  return true;
}

void QFirmwareUpgrade::closeIapDevicePort() {
  IapConsole::print("\r\n");
  IapConsole::print("[Varnex IAP]:  ->??HidRes\r\n");
  if (!m_iapDevice) return;
  m_iapDevice.reset();
  m_iapCapabilities = 0;
  qCDebug(lcFirmware) << "closeIapDevicePort";
}

bool QFirmwareUpgrade::handleArrival(int devType, const QString& programDirectory) {
  if (!OpenIapDevicePort(devType)) qCDebug(lcFirmware) << "OpenIapDevicePort error";
  const int boot = getIsBoot(programDirectory);
  if (boot == 1) {
    qCDebug(lcFirmware) << "is boot state , Can update";
    queryBootDeviceInfo();
    startFirmwareUpgrade();
    return false;
  }
  qCDebug(lcFirmware) << (boot == 0 ? "NO boot state , No update" : "getIsBoot error");
  queryDeviceVersions(devType);
  closeIapDevicePort();
  return true;
}

void QFirmwareUpgrade::startFirmwareUpgrade() {
  // The progress loop lets the window run while a transfer blocks; a second
  // click there must not start another upgrade inside the first.
  if (m_upgradeRunning) {
    qCWarning(lcFirmware) << "firmware upgrade already under way";
    return;
  }
  m_upgradeRunning = true;
  runUpgrade();
  m_upgradeRunning = false;
}

void QFirmwareUpgrade::runUpgrade() {
  checkProductModel(QString());
  const QString hint = tr("1.硬件信息.\n       产品型号：%1\n       固件类型：%2\n       笔类型：  %3\n\n"
                          "2.确认已从Varnex官网下载 最新固件升级包到您的电脑.\n"
                          "3.保持数位板与电脑连接, 中途不可断开.\n")
                           .arg(m_productName, m_firmwareType, m_penType);
  if (m_binPath.isEmpty()) {
    PromptService::Prompt prompt;
    prompt.icon = PromptService::Icon::Warning;
    prompt.title = tr(kTitleUpgrade);
    prompt.text = hint;
    prompt.buttons = PromptService::Prompt::Buttons::OkCancel;
    if (PromptService::ask(prompt) != PromptService::Answer::Ok) {
      closeIapDevicePort();
      return;
    }
    FileDialogService::Request dialog;
    dialog.caption = QStringLiteral("open file");
    dialog.filter = QStringLiteral("*.bin");
    m_binPath = FileDialogService::ask(dialog);
  }
  m_binPath = QDir::toNativeSeparators(m_binPath);
  qCDebug(lcFirmware) << "binPath" << m_binPath;
  if (m_binPath.isEmpty()) return;

  const QFileInfo file(m_binPath);
  const QString directory = QDir::toNativeSeparators(file.absolutePath() + QLatin1Char('/'));
  const QString fileName = file.fileName();

  const Acceptance acceptance = acceptFirmwareFile(m_binPath);
  if (acceptance.outcome == Acceptance::Outcome::NotFirmwareName) {
    // Forget the file, or every later start would silently pick it again
    // without asking.
    qCWarning(lcFirmware) << "not a firmware file name:" << fileName;
    m_binPath.clear();
    return;
  }
  if (acceptance.outcome == Acceptance::Outcome::Refused) {
    failUpgrade(acceptance.message);
    return;
  }

  m_firmwareDirectory = directory;
  m_firmwareFileName = fileName;
  const Iap::Answer region = request(Iap::kQueryRunRegion);
  if (region.status != 0) {
    failUpgrade(kRunRegionFailed);
    return;
  }
  if (region.dataByte(0) == 1) {
    // The tablet restarts into its boot loader and arrives again; the
    // arrival handling resumes with the same file.
    qCDebug(lcFirmware) << "set  to  boot";
    request(Iap::kJumpToBoot, QByteArray(1, '\0'));
    closeIapDevicePort();
    return;
  }
  qCDebug(lcFirmware) << "UpdateFirmwareVersion 1";
  const bool transferred = UpdateFirmwareVersion();
  closeIapDevicePort();
  m_binPath.clear();
  if (!transferred) tellTransferFailed();
}

void QFirmwareUpgrade::failUpgrade(const char* message) {
  m_binPath.clear();
  closeIapDevicePort();
  PromptService::Prompt prompt;
  prompt.icon = PromptService::Icon::Critical;
  prompt.title = tr(kTitleUpgrade);
  prompt.text = tr(message);
  PromptService::ask(prompt);
}

void QFirmwareUpgrade::tellTransferFailed() {
  emit firmwareUpgradeFailed();
  PromptService::Prompt prompt;
  prompt.icon = PromptService::Icon::Critical;
  prompt.title = tr(kTitleUpgrade);
  prompt.text = tr(kTransferFailed);
  PromptService::ask(prompt);
}

void QFirmwareUpgrade::firmwareDownload(QString devName) {
  PromptService::Prompt prompt;
  prompt.icon = PromptService::Icon::Warning;
  prompt.title = tr("下载提示");
  prompt.text =
      tr("请在%1产品固件列表中下载固件类型为%2，\n笔类型为%3的版本文件.\n").arg(devName, m_firmwareType, m_penType);
  prompt.buttons = PromptService::Prompt::Buttons::OkCancel;
  const bool open = PromptService::ask(prompt) == PromptService::Answer::Ok;
  const QString url = downloadUrl();
  qCDebug(lcFirmware) << "g_downLoadurl22:" << url;
  if (open) BrowserService::open(url);
}

QString QFirmwareUpgrade::downloadUrl() const { return ConfigFile::instance()->getUrl(MyQmlEnum::EDownLoadurl); }
