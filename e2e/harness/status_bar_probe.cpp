#include "harness/status_bar_probe.h"

#include <commctrl.h>

#include "harness/wait.h"
#include "harness/window_query.h"

namespace e2e {

namespace {
constexpr size_t kBufferSize = 2048;
}

StatusBarProbe::StatusBarProbe(HANDLE process, HWND statusBar)
    : statusBar_(statusBar), buffer_(process, kBufferSize) {
  if (!statusBar_) throw HarnessError("no status bar");
}

int StatusBarProbe::partCount() const {
  return static_cast<int>(sendOrThrow(statusBar_, SB_GETPARTS, 0, 0, "SB_GETPARTS"));
}

std::vector<int> StatusBarProbe::partEdges() const {
  const int maxParts = 64;
  buffer_.clear();
  int n = static_cast<int>(sendOrThrow(statusBar_, SB_GETPARTS, maxParts, buffer_.at(), "SB_GETPARTS"));
  if (n < 0 || n > maxParts) throw HarnessError("SB_GETPARTS gave a bad count");
  std::vector<int> edges(static_cast<size_t>(n));
  if (n > 0) buffer_.read(edges.data(), edges.size() * sizeof(int));
  return edges;
}

std::string StatusBarProbe::partText(int part) const {
  LRESULT length = sendOrThrow(statusBar_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0,
                               "SB_GETTEXTLENGTHA");
  if (LOWORD(length) >= kBufferSize) throw HarnessError("status-bar text too long");
  buffer_.clear();
  sendOrThrow(statusBar_, SB_GETTEXTA, static_cast<WPARAM>(part), buffer_.at(), "SB_GETTEXTA");
  return buffer_.readText(0, kBufferSize - 1);
}

bool StatusBarProbe::partHasIcon(int part) const {
  return sendOrThrow(statusBar_, SB_GETICON, static_cast<WPARAM>(part), 0, "SB_GETICON") != 0;
}

}  // namespace e2e
