# Where the pen landed under Plasma, against where the area page says.
. "$(dirname "${BASH_SOURCE[0]}")/landing.sh"
landed_as_mapped LarkC
landed_as_mapped Fjord4Pro
