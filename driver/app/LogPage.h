#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// The hourly HTML log pages: their names, their fixed head and one line per
// message. A browser opens them as they are written; the head is never
// closed by end tags so a page can grow until the hour is over.
namespace LogPage {

// "<dir>/yyyy-MM-dd_hh_log.html": one page per hour of local time, so names
// sort by age.
QString fileName(const QString& dir, const QDateTime& when);

// "yyyy-MM-dd hh:mm:ss" of local time. Built from the date's numbers rather
// than QDateTime::toString, whose first call on a new thread can race with
// another thread's and come back empty.
QString timeStamp(const QDateTime& when);

// The head written once at the top of every new page, ending in "\r\n".
const QString& header();

// The class letter a message type is shown with ("d", "w", "c", "f", "i").
QChar classLetter(QtMsgType type);

// "yyyy-MM-dd hh:mm:ss <message>", the message made inert for the browser.
QString text(const QString& message, const QDateTime& when);

// <div class="X">text</div> with "\r\n".
QString line(QtMsgType type, const QString& text);

// The message with "&", "<", ">" and both quotes as entities, so a device
// name or window title holding markup shows as the same characters and never
// runs in the reader's browser.
QString escaped(const QString& message);

}  // namespace LogPage
