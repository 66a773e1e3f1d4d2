#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

// The command line of tabletreplay:
//   --model NAME [--settings FILE] [--firmware-version TEXT]
//   [--tablet-preview X,Y,W,H] [--screen X,Y,W,H] [--desktop X,Y,W,H]
struct ReplayOptions {
  int deviceType = -1;
  QString modelKey;
  QString settingsFile;  // empty: every setting has its default
  QString firmwareVersion;
  QRect tabletPreview{0, 0, 300, 168};
  QRect screen{0, 0, 1920, 1080};
  QRect desktop{0, 0, 1920, 1080};
  bool help = false;  // --help: print usage() and do nothing else

  static QString usage();

  // False with a one-line reason in `error` for a missing or unknown option,
  // an unknown model or a malformed rectangle (also one whose numbers no
  // screen has: beyond SaneGeometry's bounds). `arguments` excludes the
  // program name.
  static bool parse(const QStringList& arguments, ReplayOptions& options, QString& error);
};
