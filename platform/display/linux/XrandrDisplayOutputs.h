#pragma once

#include "platform/display/DisplayOutputs.h"

#include <QByteArray>
#include <QString>

namespace platform {

// The outputs of an X display through XRandR. An output is attached when it
// drives a CRTC; its rectangle, orientation and mode come from that CRTC and
// its EDID from the output's "EDID" property, or, for drivers that do not
// publish the property, from the DRM connector of the same name in sysfs.
// Each call opens its own short connection, so the display may come and go.
class XrandrDisplayOutputs : public DisplayOutputs {
 public:
  // Null display name: $DISPLAY. `drmRoot` is where the DRM connectors are
  // (/sys/class/drm; tests point it at a fake tree).
  explicit XrandrDisplayOutputs(QByteArray displayName = QByteArray(),
                                QString drmRoot = QStringLiteral("/sys/class/drm"));

  QVector<DisplayOutput> outputs() override;
  // Sets the CRTC's rotation with a mode of the output whose size, turned,
  // is `size`; grows the screen first when the turned output needs more room.
  // BadMode when the output has no such mode or cannot turn that way.
  int setMode(const QString& outputName, int orientation, QSize size) override;
  const char* kind() const override { return "xrandr"; }

 private:
  QByteArray m_displayName;
  QString m_drmRoot;
};

// The EDID of the DRM connector that an X output name stands for: drivers
// name "card0-HDMI-A-1" as "HDMI-1", "HDMI1" or "HDMI-A-1". Empty when no
// connected connector matches.
QByteArray drmEdidForOutput(const QString& drmRoot, const QString& outputName);

}  // namespace platform
