#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The names of shortcut strings ("[Ctrl]", "[Z]", "[;]") and the Windows
// virtual-key codes they type. Names of shifted symbols ("[:]", "[!]") have
// code 0 here and a key sequence in the composite table instead.
//
// The tables are process-wide and empty until fill() is called, which the
// first tablet does; filling again changes nothing.
namespace KeyNameTable {

void fill();
bool isEmpty();

// The code of a name; 0 for a composite name, an unknown name or an empty table.
uint8_t code(const QString& name);

// The key sequence of a composite name (Shift first); null when the name has
// none.
const std::vector<uint8_t>* composite(const QString& name);

}  // namespace KeyNameTable
