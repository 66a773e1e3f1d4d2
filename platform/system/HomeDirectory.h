#pragma once

namespace platform {

// Makes sure HOME names the user's home folder. A program started without
// HOME (from a service, a cron job, `env -i`) would otherwise put its
// settings and log under "//.local/..."; like other desktop programs we take
// the folder from the password database then. Call before the application
// object exists. Returns false when HOME was missing and no home folder is
// known for the user either (HOME then stays unset).
bool ensureHomeDirectory();

}  // namespace platform
