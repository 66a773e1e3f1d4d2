#pragma once

#include <QString>

// The diagnostic log: every Qt message of every thread goes into hourly HTML
// pages in "<application-local data>/<dirName>" and to standard error.
//
// keepOpen chooses KeptOpenLogWriter (the page of the hour stays open) over
// PerMessageLogWriter. At set-up, the oldest pages beyond maxFiles are deleted.
// Calling it again moves the log to the new directory.
void installLog(const QString& dirName, int maxFiles, bool keepOpen);

// The directory the log writes into; empty before installLog.
QString logDirectory();

// Deletes the alphabetically first log pages of dir (the oldest, since their
// names begin with the date) until at most maxFiles remain. Other files in
// the directory are left alone.
void pruneLogFiles(const QString& dir, int maxFiles);
