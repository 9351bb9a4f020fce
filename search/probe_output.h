// What one look at a member's PC tells: the command line that asks it, the
// names that may be asked at all, and the reading of the command's output.
// The probe command prints a heading with "OS R" (NetBIOS Remote Machine Name
// Table) when the PC answered, a short notice without it when it did not, and
// nothing at all when it cannot run on this PC.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace wabo {

enum class ProbeResult { Connected = 0, NotConnected = 1, CannotRun = 2 };

// Search marks of a member row (list-view state-image index).
constexpr int kMarkNotSearched = 0;
constexpr int kMarkNotConnected = 1;
constexpr int kMarkConnected = 2;

// The mark a probe result leaves on its row; CannotRun leaves the row unmarked.
int markOf(ProbeResult result);

// Written by the probe behind the command's output once the command has
// ended: "END" and a zero byte. Output that begins with it was empty.
constexpr char kProbeEndMarker[] = "END";
constexpr std::size_t kProbeEndMarkerBytes = 4;  // with its zero byte

// The PC name as the probe asks for it: without the blanks before and after
// it, which the command line would drop as well. Nothing else is taken away.
std::string_view probedPcName(std::string_view pcName);

// True when `pcName` can stand as the one argument of the probe command: not
// empty, not an option (a leading '-'), and free of blanks, quotes and control
// characters, which would split it or add arguments of its own. Shift-JIS
// trail bytes are never in those ranges, so a byte scan is safe.
bool isProbeablePcName(std::string_view pcName);

// "nbtstat -a " followed by the PC name (at most 29 bytes, so at most 40).
std::string probeCommandLine(std::string_view pcName);

// The verdict on what came out of the command's pipe: `captured` is the
// output followed by the end marker, as far as it was kept. Only the first
// kProbeReadBytes bytes count, and only up to the first zero byte. A failed
// read counts as not connected.
ProbeResult judgeProbeOutput(std::string_view captured, bool readSucceeded = true);

}  // namespace wabo
