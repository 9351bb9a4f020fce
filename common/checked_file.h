// Whole-file writes that either complete or report failure, and a replace
// that waits a moment for a file another program holds open.
#pragma once
#include <string>

namespace wabo {

// Creates or truncates `path` and writes `bytes`; every write, the flush and
// the close are checked. On failure the partial file is removed.
bool writeFileChecked(const std::string& path, const std::string& bytes);

// Copies `from` to `to` byte for byte, checked the same way.
bool copyFileChecked(const std::string& from, const std::string& to);

// Moves `from` over `to`. On Windows the move fails while another program
// has `to` open (a reader of the board on another PC), so it is tried again
// for a moment (see brief_retry.h).
// `milliseconds` bounds the wait.
bool replaceWithRetries(const std::string& from, const std::string& to, int milliseconds = 20);

// Writes `bytes` to `tempPath` and moves it over `path`: a reader sees the
// old file or the new one, never a part. A reader that holds `path` open is
// waited for up to `replaceWaitMs`. The temporary file is removed when
// anything fails.
bool writeFileReplacing(const std::string& path, const std::string& tempPath, const std::string& bytes,
                        int replaceWaitMs = 20);

}  // namespace wabo
