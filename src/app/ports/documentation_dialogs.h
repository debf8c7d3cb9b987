#pragma once
// The documentation windows as a port: the desktop shows its windows, tests answer
// from a script. Each returns true when confirmed with OK; Cancel sets the program's
// cancel flag and stores nothing.

namespace zt6 {

class DocumentationDialogs {
 public:
  virtual ~DocumentationDialogs() = default;
  virtual bool ChangeRecord(int k) = 0;      // "Änderung k", k = 1..count
  virtual bool DrawingInformation() = 0;     // sign-off rows, replacements, free texts
  virtual bool DocumentSetup() = 0;          // the five document links
};

}  // namespace zt6
