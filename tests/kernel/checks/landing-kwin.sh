# Where the pen landed under Plasma: each tablet's area page chose one
# monitor, and KWin was told to spread the virtual pen over it.
. "$(dirname "${BASH_SOURCE[0]}")/landing.sh"
landed_as_mapped LarkC Virtual-1
landed_as_mapped Fjord4Pro Virtual-2
