#pragma once

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

}  // namespace testenv
