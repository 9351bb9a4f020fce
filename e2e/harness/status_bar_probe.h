// Reads the program's status bar from the driver's process.
#pragma once
#include <windows.h>

#include <string>

#include "harness/remote_buffer.h"

namespace e2e {

class StatusBarProbe {
 public:
  StatusBarProbe(HANDLE process, HWND statusBar);
  std::string partText(int part) const;
  bool partHasIcon(int part) const;

 private:
  HWND statusBar_;
  mutable RemoteBuffer buffer_;
};

}  // namespace e2e
