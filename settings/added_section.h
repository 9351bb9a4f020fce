// The section this program adds at the end of WaboM.ini, behind the 25 lines
// that every copy reads by position: older copies stop reading before it,
// and it is written only when it holds something other than its defaults,
// so a file without it stays byte for byte as it was. A header line, then
// one "name=value" line per setting.
#pragma once
#include <string>

#include "settings/positional_reader.h"

namespace wabo {

struct LocalSettings;

inline constexpr char kAddedSectionHeader[] = "[追加設定]";

// An ID that the line of watched members can hold: not empty, no ',', CR
// or LF. Other IDs are never written there.
bool isStorableWatchId(const std::string& id);

// The section's bytes (CR LF lines), or "" when every value is its default.
std::string addedSectionBytes(const LocalSettings& settings);

// Reads the rest of the file: skips lines up to the header, then takes the
// settings it knows; other lines are passed over. Bounded in lines and bytes.
void readAddedSection(PositionalReader& in, LocalSettings& settings);

}  // namespace wabo
