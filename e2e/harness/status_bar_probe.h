// Reads the program's status bar from the driver's process.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "harness/remote_buffer.h"

namespace e2e {

class StatusBarProbe {
 public:
  StatusBarProbe(HANDLE process, HWND statusBar);

  int partCount() const;
  // Right edges of the parts, as SB_GETPARTS gives them.
  std::vector<int> partEdges() const;
  std::string partText(int part) const;
  bool partHasIcon(int part) const;

 private:
  HWND statusBar_;
  mutable RemoteBuffer buffer_;
};

}  // namespace e2e
