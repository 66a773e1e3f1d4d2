#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <vector>

// A tablet as data: its USB identity, the init report the driver must send
// it, and its interfaces, each with a report descriptor and the answers to
// feature reads. Read from a text file, one statement a line:
//   name TEXT | vendor HEX | product HEX | init HEX...
//   interface NAME [iap DEVTYPE]     (the lines after it describe it)
//   descriptor HEX...                (more lines append)
//   feature ID HEX...                (the answer to a read of feature ID)
//   product-name TEXT                (this interface's own name)
// "#" starts a comment. An interface marked "iap" answers as the driver's
// simulated boot loader of that device type does.
struct TabletDescription {
  struct Interface {
    QString name;
    QByteArray productName;
    QByteArray descriptor;
    QMap<uint8_t, QByteArray> features;
    int iapDevType = 0;  // 0: not a firmware interface
  };
  QByteArray name;
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  QByteArray initReport;
  std::vector<Interface> interfaces;

  static bool read(const QString& path, TabletDescription& description, QString& error);
};

// Hexadecimal byte pairs, spaces allowed between bytes; false for anything else.
bool parseHexBytes(const QString& text, QByteArray& bytes);
