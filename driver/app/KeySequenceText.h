#pragma once

#include <QString>

// A Qt key code (key and modifiers) as the shortcut text the key functions
// type: every part of its portable text in brackets, joined by "+".
// Ctrl+Z gives "[Ctrl]+[Z]"; a code without text gives "". The plus key is
// "[Plus]" ("[Ctrl]+[Plus]"), or with Shift the "=" key it is shifted from
// ("[Ctrl]+[Shift]+[=]").
QString keySequenceText(int key);
