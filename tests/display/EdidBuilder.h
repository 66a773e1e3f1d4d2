#pragma once

#include <QByteArray>

#include <initializer_list>
#include <utility>

// A 128-byte EDID base block with chosen display descriptors: each entry
// puts a descriptor of `tag` with `text` at descriptor slot 0 to 3.
struct EdidDescriptor {
  int slot;
  unsigned char tag;
  QByteArray text;
};

inline QByteArray makeEdid(std::initializer_list<EdidDescriptor> descriptors) {
  QByteArray edid(128, '\0');
  const unsigned char header[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
  for (int i = 0; i < 8; ++i) edid[i] = char(header[i]);
  // Slots without a descriptor of ours hold a detailed timing (non-zero
  // pixel clock), as real monitors have in slot 0.
  for (int slot = 0; slot < 4; ++slot) {
    edid[54 + slot * 18] = char(0x3A);
    edid[54 + slot * 18 + 1] = char(0x02);
  }
  for (const EdidDescriptor& descriptor : descriptors) {
    const int at = 54 + descriptor.slot * 18;
    edid[at] = edid[at + 1] = edid[at + 2] = 0;
    edid[at + 3] = char(descriptor.tag);
    edid[at + 4] = 0;
    for (int i = 0; i < 13; ++i) edid[at + 5 + i] = char(0x20);
    for (int i = 0; i < descriptor.text.size() && i < 13; ++i) edid[at + 5 + i] = descriptor.text[i];
  }
  return edid;
}

// The usual product name descriptor: the name, a line feed, blank padding.
inline QByteArray edidNamed(const QByteArray& name, int slot = 3) {
  return makeEdid({{slot, 0xFC, name.size() < 13 ? name + '\n' : name}});
}
