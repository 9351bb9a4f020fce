// Another copy holds lock.dat only while it writes a board, about 10 ms.
// Readers and writers that meet it wait a moment for it to go before they
// give up; a lock that stays longer (a copy that stopped while writing) is
// refused as before.
#pragma once
#include <string>

namespace wabo {

// How long a lock held by another copy is waited for.
constexpr int kLockWaitMs = 300;

// True when no lock file is at `lockPath`, at once or within kLockWaitMs.
// The program's windows keep painting meanwhile (platform::shortPause).
bool lockGoneSoon(const std::string& lockPath);

}  // namespace wabo
