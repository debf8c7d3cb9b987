#pragma once
// The input dialogs the menu commands open, as a port: the desktop shows its windows,
// tests answer from a script. Each edits its group of the design record and returns
// true when confirmed with OK; Cancel sets the program's cancel flag and stores nothing.

namespace zt6 {

class InputDialogs {
 public:
  virtual ~InputDialogs() = default;
  virtual bool DrawingIdentification() = 0;  // drawing names, numbers and info lines
  virtual bool Dimensions() = 0;
  virtual bool Material() = 0;
  virtual bool Load() = 0;
};

}  // namespace zt6
