// Counts how often the program opens one file, through opencount.dll in the
// program's process (see e2e/opencount).
#pragma once
#include <windows.h>

#include <string>

namespace e2e {

class OpenCounter {
 public:
  // Counts the program's opens (fopen) of files named `fileName`, from now on.
  OpenCounter(HANDLE process, const std::string& fileName);
  // Opens since construction.
  unsigned count() const;

 private:
  unsigned call(bool reset) const;
  HANDLE process_;
  std::string fileName_;
  unsigned long long function_;
};

}  // namespace e2e
