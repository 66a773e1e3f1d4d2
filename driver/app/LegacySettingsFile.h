#pragma once

#include <QString>

// Earlier builds named a model's settings file after its model key
// ("LarkA_config.ini"); the settings file is "<display name>_config.ini"
// ("Lark A_config.ini"), the name that exported files carry. The first start
// after the change moves the old file to the new name.
namespace LegacySettingsFile {

// Moves "<directory>/<modelKey>_config.ini" to "<directory>/<devName>_config.ini"
// when the old file exists and the new one does not. Nothing is overwritten
// or deleted: when both exist, or the move fails, the old file stays where it
// is (and a failure is logged). True when a file was moved.
bool moveToDisplayName(const QString& directory, const QString& modelKey, const QString& devName);

}  // namespace LegacySettingsFile
