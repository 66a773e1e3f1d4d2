#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// displayinfo: the outputs, their monitor names and the pen display as the
// driver sees them.
//   displayinfo [--model NAME] [--outputs FILE]
//   displayinfo --edid FILE
namespace DisplayInfo {

struct Options {
  int devType = -1;     // -1: no model, the "any other" target applies
  QString outputsFile;  // empty: the window system's outputs
  QString edidFile;     // set: only print the name in this EDID
};

// False with one line in `error` for an unknown option or model. `arguments`
// excludes the program name. A model is a model key (case ignored) or the
// number of a model.
bool parse(const QStringList& arguments, Options& options, QString& error);

// Prints the report; returns the exit code (0, or 2 with one line in `error`).
int run(const Options& options, QTextStream& out, QString& error);

}  // namespace DisplayInfo
