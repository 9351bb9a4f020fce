// Folders and files of the test runs, on the Windows side of the driver.
#pragma once
#include <string>

namespace e2e {

// Folder of the running driver (where wabo.exe and menuprobe.dll are built).
std::string driverFolder();
// wabo.exe to test: %WABO_EXE% if set, else wabo.exe beside the driver.
std::string programPath();
// menuprobe.dll beside the driver.
std::string menuProbePath();
// Root of the temporary folders: %WABO_E2E_RUNS% if set, else e2e-runs beside
// the driver. Made when missing.
std::string runsRoot();

std::string joinPath(const std::string& folder, const std::string& name);
bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
// Whole file as bytes; throws HarnessError when it cannot be read.
std::string readFileBytes(const std::string& path);
// Creates or replaces the file with exactly these bytes; throws on failure.
void writeFileBytes(const std::string& path, const std::string& bytes);
void copyFileOrThrow(const std::string& from, const std::string& to);
// Removes a folder and everything in it; false when something stayed.
bool removeTree(const std::string& path);

// A fresh, empty folder under runsRoot(), named after the running test and a
// counter. Removed again at destruction unless the test failed (then it is
// kept for a look and its path printed) or %WABO_E2E_KEEP% is set.
class TempFolder {
 public:
  explicit TempFolder(const std::string& label = "");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return joinPath(path_, name); }

 private:
  std::string path_;
};

}  // namespace e2e
