#pragma once

#include <QString>

// A Qt key code (key and modifiers) as the shortcut text the key functions
// type: every part of its portable text in brackets, joined by "+".
// Ctrl+Z gives "[Ctrl]+[Z]"; a code without text gives "".
QString keySequenceText(int key);
