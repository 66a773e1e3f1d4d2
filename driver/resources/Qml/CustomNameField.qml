import QtQuick 2.15
import TesselQuick 1.0

// The user's own name for a recorded shortcut. The name is stored in front
// of the shortcut, joined by "#", so a "#" in it would split the stored text
// wrongly and the key would do nothing; it is not accepted.
TesselTextField {
    maximumLength: 40
    validator: RegularExpressionValidator { regularExpression: /[^#]*/ }
}
