#pragma once

#include "platform/input/InputInjector.h"

#include <QString>
#include <QStringList>

// Types shortcut strings ("[Ctrl]+[Z]") and clicks through the current input
// injector, and keeps the set of shortcuts held down by tablet keys.
namespace ShortcutInjector {

// All key events of a shortcut in one batch, left to right, going down or
// coming up: "[Ctrl]+[Z]" is released as Ctrl up, then Z up. Unknown names
// and empty parts add nothing; with the key-name table not filled yet
// nothing is sent.
void sendShortcut(const QString& shortcut, bool pressed);

// Like sendShortcut, and a pressed shortcut joins the held set.
void pressShortcut(const QString& shortcut, bool pressed);

// Pressed and at once released.
void tapShortcut(const QString& shortcut);

// Sends the key-up events of every held shortcut, in the order they were
// pressed, and empties the held set.
void releaseHeldShortcuts();
QStringList heldShortcuts();

void mouseButton(platform::MouseButton button, bool down);

// When the tablet stops (unplugged, suspended, quit) while one of its keys is
// down, nothing would ever send the key-up: the drawing program would keep a
// modifier or the right mouse button pressed. This lets go of every key and
// mouse button that tablet keys still hold down, and empties the held set.
void releaseEverythingHeld();
// Down, up, down, up.
void doubleClick(platform::MouseButton button);
// +120 one notch up, -120 one notch down.
void wheel(int delta);

}  // namespace ShortcutInjector
