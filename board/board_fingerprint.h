// Length and hash of a board file's bytes: how a save, holding lock.dat,
// tells whether another copy has written the file since this copy last
// loaded or saved it.
#pragma once
#include <cstdio>
#include <string>

#include "board/board_state.h"

namespace wabo {

FileFingerprint fingerprintOf(const std::string& bytes);

// Of an open file from its first byte to its end (the position is left at
// the end). Not known when the file cannot be read. `whole`, when given,
// tells whether the bytes end as a whole board does: an END line and the
// message line after it, each with its line end.
FileFingerprint fingerprintOfFile(std::FILE* file, bool* whole = nullptr);

}  // namespace wabo
