# Where the pen landed under GNOME, against where the area page says: mutter
# spreads the pen tablet over the whole desktop and the pen display over the
# monitor its area page chose, which the driver named in GNOME's settings.
. "$(dirname "${BASH_SOURCE[0]}")/landing.sh"
landed_as_mapped LarkC
landed_as_mapped Fjord4Pro Virtual-1
