#include "driver/core/MyQmlEnum.h"

#include <QQmlEngine>

namespace MyQmlEnum {

void registerMyQmlEnum() {
  qmlRegisterUncreatableMetaObject(MyQmlEnum::staticMetaObject, "Varnex", 1, 0, "MyQmlEnum",
                                   "MyQmlEnum holds enumerations only");
}

}  // namespace MyQmlEnum
