// Faults of the file system that the test machine cannot be made to
// produce (a full disk, a read-only file to a program running as root, a
// file that cannot be deleted). Only the native build's platform module
// (platform_file_posix.cpp) has them; the tests plan them before a save.
#pragma once
#include <string>

namespace wabo::platform {

struct FileFaults {
  long long writableBytes = -1;  // what writeWholeFile may still put down in all; -1: no limit
  std::string readOnlyFile;      // cannot be written, replaced or deleted
  std::string undeletableFile;   // cannot be deleted ...
  int undeletableTimes = -1;     // ... that many times, then it can; -1: never
  std::string heldOpenFile;      // another program has it open: nothing replaces it ...
  int heldOpenMs = 0;            // ... for this long after the faults were planned
  int writeMilliseconds = 0;     // every writeWholeFile takes this long (a slow share)
  long long newFileBytes = -1;   // what createNew can put into each new file; -1: all
};

// Replaces the planned faults; FileFaults{} plans none.
void setFileFaultsForTests(const FileFaults& faults);

}  // namespace wabo::platform
