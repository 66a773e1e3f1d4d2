#pragma once

class DevInfo;

// Makes the description of a device type. The caller owns what create()
// returns; the factor only remembers the last one it made.
class DevInfoFactor {
 public:
  // Null for a value that is not a supported model.
  DevInfo* create(int devType);

  DevInfo* last() const { return m_last; }

 private:
  DevInfo* m_last = nullptr;
};
