#pragma once

#include <QString>

// What a key's function produced besides its input: the hint to show and
// whether the driver window was asked to come forward.
struct KeyFunctionOutcome {
  QString hint;
  bool showDriver = false;
};

// Runs the function the user gave a tablet key: shortcuts held with the key
// or tapped, mouse buttons and wheel, a program, the driver window. The state
// here (held shortcuts, the pen/eraser toggle, the canvas zoom-in shortcut)
// is shared by every tablet of the process.
namespace KeyFunctionTable {

// `keyType` is a KeyType, `pressed` the key's direction.
KeyFunctionOutcome run(int keyType, bool pressed);

// Drawing programs disagree about zooming in; the controller sets the
// shortcut for the program in front. Safe from any thread.
void setCanvasZoomInShortcut(const QString& shortcut);
QString canvasZoomInShortcut();

// 1 until a pen/eraser key or an eraser key is used: the next pen/eraser
// press sends the eraser ("[E]") when 1, the pen ("[B]") when 0.
int penEraserToggle();
void setPenEraserToggle(int toggle);

// The untranslated hint of a function with a fixed name (context "Tablet"),
// empty for the others.
const char* hintSource(int function);

}  // namespace KeyFunctionTable
