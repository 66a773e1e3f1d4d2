#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace testenv {

// The private home of this test run (HOME and every XDG directory point into it).
QString homeDir();

// A fresh, empty directory below the private home.
QString freshDir(const QString& name);

// The source tree, for data files the tests read.
QString sourceDir();

// The build tree, for programs the tests start.
QString binaryDir();

// For a child VarnexDriver under AddressSanitizer: the driver hosts the QML
// window, so it gets the window tests' sanitizer options (Qt Quick's caches
// kept until exit, and libxkbcommon-x11's bounded strndup reads). Nothing
// changes outside a sanitizer run.
void useWindowSanitizerOptions(QProcessEnvironment& environment);

}  // namespace testenv
