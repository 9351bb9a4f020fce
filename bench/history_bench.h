// The change history window over a full history file: how long the command
// 変更履歴 takes to open it, the whole board listed.
#pragma once
#include <string>

#include "started_program.h"

namespace bench {

// Writes a history of about 1 MB beside `boardPath`, opens the window `runs`
// + 1 times on the running `program` (the first is not counted), checks the
// rows it lists and closes it each time. Prints RESULT history_open_ms
// (median), history_rows and a NOTE with the runs.
void measureHistoryWindow(StartedProgram& program, const std::string& boardPath, int runs);

}  // namespace bench
