// 8. Changes seen by the other copies while auto update is on (the folder
// watch): copies of the program in their own folders share the 500-row board
// and the mail folder in `<work>\watch-shared`.
#pragma once
#include <string>

namespace bench {

// `wabo`: wabo.exe to copy; `templ`: the template folder (boad1.csv,
// WaboM.ini, user-id.txt); `copies`: how many copies the last measurement
// starts. Prints RESULT and NOTE lines:
//   watch_board_median_ms, watch_board_p95_ms, watch_board_max_ms (B's save
//     returned to A's list showing it, 20 saves);
//   watch_mail_median_ms, watch_mail_p95_ms, watch_mail_max_ms (a mail file
//     closed to A's announcement on screen, 20 mails);
//   watch_burst_posted_p99_ms, watch_burst_posted_max_ms, watch_burst_samples
//     (A's answer to posted messages while B saves 40 times in a row);
//   watch_copies, watch_many_first_ms, watch_many_median_ms, watch_many_last_ms
//     (one save, every other copy showing it; medians over the rounds).
void measureWatch(const std::string& wabo, const std::string& templ, const std::string& work, int copies);

}  // namespace bench
