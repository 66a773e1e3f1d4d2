#pragma once

#include "EdidBuilder.h"
#include "platform/display/sim/SimDisplayOutputs.h"

#include <QString>

// Installs simulated outputs for one test and puts the default back after.
class SimDesk {
 public:
  SimDesk() {
    auto outputs = std::make_unique<platform::SimDisplayOutputs>();
    m_outputs = outputs.get();
    platform::DisplayOutputs::install(std::move(outputs));
  }
  ~SimDesk() { platform::DisplayOutputs::install(nullptr); }
  SimDesk(const SimDesk&) = delete;
  SimDesk& operator=(const SimDesk&) = delete;

  // An output of 1920 × 1080 at x = 1920 × its place; `monitorName` empty
  // means the monitor's EDID carries no name.
  SimDesk& add(const QString& name, const QByteArray& monitorName, QRect rect = QRect()) {
    platform::DisplayOutput output;
    output.name = name;
    output.rect = rect.isNull() ? QRect(1920 * m_described.size(), 0, 1920, 1080) : rect;
    output.modeSize = output.rect.size();
    output.edid = monitorName.isEmpty() ? makeEdid({{0, 0xFF, "SERIAL\n"}}) : edidNamed(monitorName);
    m_described << output;
    m_outputs->setOutputs(m_described);
    return *this;
  }
  void clear() {
    m_described.clear();
    m_outputs->setOutputs(m_described);
  }

  platform::SimDisplayOutputs& outputs() { return *m_outputs; }

 private:
  platform::SimDisplayOutputs* m_outputs;
  QVector<platform::DisplayOutput> m_described;
};
