#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The monitor name an EDID block carries in its display product name
// descriptor (tag 0xFC), the text the monitor's maker put there ("HDMI1",
// "Fjord5Pro"). Only the four descriptors of the base block are looked at;
// when several name the monitor the last one counts. A block shorter than 128
// bytes has no name. The text ends at a line feed or a zero byte. Never reads
// past `length`.
QByteArray edidMonitorNameBytes(const uint8_t* edid, size_t length);

// The same name decoded as Latin-1, "" when there is none.
QString edidMonitorName(const QByteArray& edid);
