#pragma once

#include "platform/display/DisplayOutputs.h"

#include <QMutex>
#include <QSet>
#include <QVector>
#include <atomic>

namespace platform {

// Outputs described in data. A mode change is recorded and, unless its size
// was marked as refused, applied to the described output: its orientation,
// mode size and the size of its rectangle follow.
class SimDisplayOutputs : public DisplayOutputs {
 public:
  struct ModeChange {
    QString outputName;
    int orientation = 0;
    QSize size;
    int result = DisplayChangeSuccessful;
  };

  SimDisplayOutputs() = default;
  explicit SimDisplayOutputs(QVector<DisplayOutput> outputs) : m_outputs(std::move(outputs)) {}

  void setOutputs(QVector<DisplayOutput> outputs);
  // Mode changes to this size (as seen after rotation) fail with BadMode.
  void refuseSize(QSize size);
  QVector<ModeChange> modeChanges() const;
  // As Plasma: an absolute tablet covers one output at most.
  void setSpansPenAcrossOutputs(bool spans) { m_spansPenAcrossOutputs = spans; }
  bool spansPenAcrossOutputs() const override { return m_spansPenAcrossOutputs; }

  QVector<DisplayOutput> outputs() override;
  int setMode(const QString& outputName, int orientation, QSize size) override;
  const char* kind() const override { return "sim"; }

  // A plain desk for --simulate: one 1920 × 1080 output "SIM-1" whose monitor
  // has no name, so it counts as the pen display of any model.
  static QVector<DisplayOutput> singleScreenDesk();

 private:
  mutable QMutex m_lock;
  QVector<DisplayOutput> m_outputs;
  QVector<QSize> m_refusedSizes;
  QVector<ModeChange> m_changes;
  std::atomic<bool> m_spansPenAcrossOutputs{true};
};

}  // namespace platform
