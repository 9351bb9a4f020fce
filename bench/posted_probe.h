// How long a message posted to the program waits before the program has
// carried it out: the driver posts LVM_SETITEMSTATE to the member list that
// flips the overlay bits of one row, which nothing draws, and polls the row's
// state with sent LVM_GETITEMSTATE until the flip is there.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "harness/probes.h"
#include "started_program.h"

namespace bench {

inline double percentile(std::vector<double> values, double p) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  std::size_t index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(index, values.size() - 1)];
}

class PostedProbe {
 public:
  PostedProbe(HANDLE process, HWND list, int row)
      : list_(list), row_(row), on_(process, sizeof(LVITEMA)), off_(process, sizeof(LVITEMA)) {
    LVITEMA item = {};
    item.stateMask = LVIS_OVERLAYMASK;
    item.state = INDEXTOOVERLAYMASK(1);
    on_.write(&item, sizeof item);
    item.state = 0;
    off_.write(&item, sizeof item);
  }
  // Milliseconds from the post to the change being there.
  double sample() {
    flipped_ = !flipped_;
    const UINT want = flipped_ ? INDEXTOOVERLAYMASK(1) : 0;
    LONGLONG start = counterNow();
    if (!PostMessageA(list_, LVM_SETITEMSTATE, row_, flipped_ ? on_.at() : off_.at()))
      throw std::runtime_error("cannot post to the list");
    for (;;) {
      DWORD_PTR state = 0;
      if (!SendMessageTimeoutA(list_, LVM_GETITEMSTATE, row_, LVIS_OVERLAYMASK, SMTO_NORMAL, 5000, &state))
        throw std::runtime_error("the list gave no answer within 5 s");
      if ((state & LVIS_OVERLAYMASK) == want) return millisecondsSince(start);
      Sleep(0);
    }
  }

 private:
  HWND list_;
  int row_;
  e2e::RemoteBuffer on_, off_;
  bool flipped_ = false;
};

}  // namespace bench
