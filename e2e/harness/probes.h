// Driving another process's windows: waits with deadlines, finding windows,
// and reading its list view and status bar through memory placed in that
// process. No GoogleTest here: the bench driver (bench/) links these too.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

// Generous for a loaded machine; a passing step takes milliseconds. Both
// are multiplied by WABO_E2E_TIMEOUT_SCALE (1-10, default 1) for long runs
// beside other work (bench/soak sets 3).
extern const DWORD kStartTimeoutMs;  // 20 s
extern const DWORD kStepTimeoutMs;   // 8 s

// Calls `done` until it returns true or the time is up; true when it did.
inline bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs = kStepTimeoutMs) {
  for (const ULONGLONG deadline = GetTickCount64() + timeoutMs;; Sleep(5)) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return done();
  }
}

// A step the program does not let the driver do; GoogleTest reports it as a
// failure of the test.
class HarnessError : public std::runtime_error {
 public:
  explicit HarnessError(const std::string& what) : std::runtime_error(what) {}
};

// First visible top-level window of the process with this class (and this
// exact title unless null); null when there is none.
HWND findTopLevel(DWORD pid, const char* className, const char* title);
std::string describeWindows(DWORD pid);  // for error messages
// Bytes of committed private memory of a process (VirtualQueryEx over the
// whole address space: MEM_COMMIT regions of type MEM_PRIVATE).
unsigned long long committedPrivateBytes(HANDLE process);
// SendMessageTimeout with the step timeout; throws when there is no answer.
LRESULT sendOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what);
std::string windowText(HWND window);
RECT windowRect(HWND window);
bool isShown(HWND window);
void waitUntilGone(HWND window);  // destroyed or hidden, else throws
std::string controlText(HWND dialog, int controlId);
void setControlText(HWND dialog, int controlId, const std::string& text);
// Posts BM_CLICK, so that a dialog the button opens does not block the
// driver. Throws when the button is missing or disabled.
void pressButton(HWND dialog, int controlId);

// A block of memory in the program's process for messages whose parameters
// point at memory.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  LPARAM at(size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset); }
  void write(const void* data, size_t size, size_t offset = 0);
  void read(void* data, size_t size, size_t offset = 0) const;
  void clear();
  std::string readText(size_t offset, size_t limit) const;  // NUL-terminated, at most `limit` bytes

 private:
  HANDLE process_;
  void* address_;
  size_t size_;
};

struct ListRow {
  std::vector<std::string> texts;  // subitems 0..columns-1 (none from item())
  int image = -1;
  int stateImage = 0;  // the search mark
  LPARAM param = 0;    // the row key
};

class ListViewProbe {
 public:
  ListViewProbe(HANDLE process, HWND listView);
  int rowCount() const;
  std::string text(int row, int sub) const;
  ListRow item(int row) const;
  ListRow row(int row) const;
  std::vector<std::string> columnTexts(int sub) const;      // over all rows, top to bottom
  void setItemState(int row, UINT mask, UINT state) const;  // row -1: every row
  // A row's rectangle (LVIR_*) in the list's client coordinates; a click on
  // the middle of the picture, as posted mouse messages.
  RECT itemRect(int row, int part = LVIR_BOUNDS) const;
  void clickItem(int row) const;

  std::vector<std::string> columnCaptions() const;
  std::vector<int> columnWidths() const;
  std::vector<int> columnOrder() const;
  // As dragging a header divider or header items does.
  void setColumnWidth(int column, int width) const;
  void setColumnOrder(const std::vector<int>& order) const;
  void clickColumnHeader(int column) const;

 private:
  int columnCount() const;
  template <typename T>
  LRESULT exchange(HWND window, UINT message, WPARAM wParam, T& data, const char* what) const;

  HWND listView_;
  mutable RemoteBuffer buffer_;
};

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
