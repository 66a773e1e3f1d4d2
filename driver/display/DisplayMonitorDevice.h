#pragma once

#include "driver/display/MonitorRecord.h"

#include <QMap>
#include <QObject>
#include <QRect>
#include <QString>
#include <QVector>

// Knows the display outputs attached to the desktop and the monitor names
// their EDIDs carry, and answers which output drives the connected pen
// display, what rectangle an output covers, and turns an output. GUI thread.
class DisplayMonitorDevice : public QObject {
  Q_OBJECT
 public:
  // Reads the outputs at once.
  explicit DisplayMonitorDevice(QObject* parent = nullptr);

  // The VARNEX type of the connected model, -1 when none; set at each arrival.
  void setDevType(int devType) { m_devType = devType; }
  int devType() const { return m_devType; }

  // Rereads the outputs, then names the pen display's output for the device
  // type: the only output when there is one, otherwise the last one whose
  // monitor has no name or whose name contains the model's screen name.
  // "" when there is no output or none qualifies.
  QString findPenDisplayDevice();

  // The desktop rectangle of the output with that name (the last one when
  // several carry it); a null rectangle when none does. Does not reread.
  QRect monitorRect(const QString& adapterDeviceName) const;

  // Turns the output to `orientation` 0 to 3, swapping the mode's width and
  // height on a change between landscape and portrait. When the window system
  // refuses the mode (BadMode) it tries once more with 1920 × 1080 (1080 ×
  // 1920 upright). Returns 0 on success, the display-change result otherwise,
  // and 0 without changing anything for an unknown output or an orientation
  // above 3. Does not reread; the record keeps the new mode until the next
  // refresh.
  int rotateMonitor(const QString& adapterDeviceName, int orientation);

  // Rereads the outputs and maps each output's name to its monitor name; a
  // later output with the same name replaces an earlier one.
  QMap<QString, QString> monitorNameMap();
  // The orientation (0 to 3) the output shows as last read, -1 for an output
  // not in the list. It does not refresh.
  int monitorOrientation(const QString& adapterDeviceName) const;

  const QVector<MonitorRecord>& monitors() const { return m_monitors; }

  // The text the pen display of a model carries in its EDID name, by VARNEX
  // type: "" for the models whose monitor has no name, "NoScreenName" for
  // every model that is no pen display.
  static QString targetScreenName(int devType);
  // The selection of findPenDisplayDevice over records already read.
  static QString selectPenDisplay(const QVector<MonitorRecord>& monitors, const QString& targetName);

 public slots:
  // Rereads the outputs.
  void DisplayMonitorDeviceDataUpdate();

 private:
  QVector<MonitorRecord> m_monitors;
  int m_devType = -1;
};
