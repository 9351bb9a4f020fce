// 7. The board while a PC connection search runs: five PCs whose probe (the
// stand-in nbtstat) answers after 2 s each.
#pragma once
#include <string>

namespace bench {

// `folder` holds wabo.exe, the 500-row board and WaboM.ini; the stand-in
// probe command is copied there from `standIn`, and the board keeps a PC
// name in its first five rows only. Prints RESULT and NOTE lines:
//   search_posted_p99_ms, search_posted_max_ms, search_posted_samples,
//   search_seconds, search_reload_ms (median), search_reload_max_ms.
void measureSearch(const std::string& folder, const std::string& standIn);

}  // namespace bench
