#pragma once

#include "platform/display/DisplayOutput.h"

#include <QString>
#include <QVector>

// The output of that name in a source's answer, or null.
inline const platform::DisplayOutput* outputNamed(const QVector<platform::DisplayOutput>& outputs,
                                                  const QString& name) {
  for (const platform::DisplayOutput& output : outputs)
    if (output.name == name) return &output;
  return nullptr;
}
