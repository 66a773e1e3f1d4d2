#include "FakeVarnexTablet.h"

#include "driver/app/KeySequenceText.h"

// The controller's own conversion: a recorded shortcut must be the text the
// key functions type back.
QString FakeVarnexTablet::keyToString(int key) { return keySequenceText(key); }
