// GLib's headers come first: they name struct members `signals`, which Qt's
// headers define as a keyword.
#include <gio/gio.h>

#include "platform/display/linux/GnomeTabletMapping.h"

#include "platform/virtualpen/linux/PenEvdevTranslator.h"

#include <QByteArrayList>
#include <QLoggingCategory>
#include <QVector>
#include <algorithm>

Q_LOGGING_CATEGORY(lcGnomeTablet, "varnex.display.gnome")

namespace platform {

namespace {

constexpr const char* kSchema = "org.gnome.desktop.peripherals.tablet";
constexpr const char* kOutputKey = "output";

// The virtual pen's own settings: mutter keeps a tablet's settings under its
// vendor and product numbers in four lowercase hex digits.
QByteArray settingsPath() {
  return QByteArray("/org/gnome/desktop/peripherals/tablets/") +
         QByteArray::number(PenEvdevTranslator::kVendorId, 16).rightJustified(4, '0') + ':' +
         QByteArray::number(PenEvdevTranslator::kProductId, 16).rightJustified(4, '0') + '/';
}

// The pen's settings, or null where the schema is not installed (GSettings
// aborts on an unknown schema, so it is looked up first). `names` is how
// many names the setting holds: as many as its default.
GSettings* penSettings(int* names = nullptr) {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, kSchema, TRUE) : nullptr;
  if (!schema) return nullptr;
  GSettings* settings = nullptr;
  if (g_settings_schema_has_key(schema, kOutputKey)) {
    settings = g_settings_new_full(schema, nullptr, settingsPath().constData());
    if (names) {
      GSettingsSchemaKey* key = g_settings_schema_get_key(schema, kOutputKey);
      GVariant* fallback = g_settings_schema_key_get_default_value(key);
      *names = int(g_variant_n_children(fallback));
      g_variant_unref(fallback);
      g_settings_schema_key_unref(key);
    }
  }
  g_settings_schema_unref(schema);
  return settings;
}

QStringList readOutput(GSettings* settings) {
  QStringList names;
  gchar** stored = g_settings_get_strv(settings, kOutputKey);
  for (gchar** name = stored; name && *name; ++name) names << QString::fromUtf8(*name);
  g_strfreev(stored);
  return names;
}

}  // namespace

bool GnomeTabletMapping::mapTo(const QStringList& monitorNames) {
  int count = 0;
  GSettings* settings = penSettings(&count);
  if (!settings) {
    qCInfo(lcGnomeTablet) << "GNOME's tablet settings are not installed; mutter maps the pen itself";
    return false;
  }
  // GNOME 43 takes exactly three names and ignores a setting of four; later
  // versions have a fourth, the connector, which tells twin monitors apart.
  QStringList names = monitorNames.mid(0, std::max(count, 3));
  while (names.size() < std::max(count, 3)) names << QString();
  if (names != m_written || readOutput(settings) != names) {
    QByteArrayList utf8;
    for (const QString& name : names) utf8 << name.toUtf8();
    QVector<const gchar*> value;
    for (const QByteArray& name : utf8) value << name.constData();
    value << nullptr;
    const bool written = g_settings_set_strv(settings, kOutputKey, value.constData());
    // The write goes to dconf on the session bus; waiting for it means
    // mutter has the mapping before the first report that relies on it.
    g_settings_sync();
    if (written) {
      m_written = names;
      qCInfo(lcGnomeTablet) << "GNOME maps the virtual pen onto" << (names.join(QString()).isEmpty() ? QStringList{"the whole desktop"} : names);
    } else {
      m_written.clear();
      qCWarning(lcGnomeTablet) << "GNOME's tablet settings refused the pen's monitor" << names;
    }
  }
  g_object_unref(settings);
  return m_written == names;
}

QStringList GnomeTabletMapping::storedMonitorNames() {
  GSettings* settings = penSettings();
  if (!settings) return {};
  const QStringList names = readOutput(settings);
  g_object_unref(settings);
  return names;
}

}  // namespace platform
