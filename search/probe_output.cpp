#include "search/probe_output.h"

#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

namespace {

constexpr char kCommandStart[] = "nbtstat -a ";
constexpr std::string_view kAnswerHeading = "OS R";

bool breaksTheArgument(unsigned char c) { return c <= 0x20 || c == 0x7F || c == '"' || c == '\''; }

}  // namespace

int markOf(ProbeResult result) {
  switch (result) {
    case ProbeResult::Connected:
      return kMarkConnected;
    case ProbeResult::NotConnected:
      return kMarkNotConnected;
    default:
      return kMarkNotSearched;
  }
}

std::string_view probedPcName(std::string_view pcName) {
  // ' ' is never a trail byte, so the ends can be looked at byte by byte.
  while (!pcName.empty() && pcName.front() == ' ') pcName.remove_prefix(1);
  while (!pcName.empty() && pcName.back() == ' ') pcName.remove_suffix(1);
  return pcName;
}

bool isProbeablePcName(std::string_view pcName) {
  if (pcName.empty() || pcName.front() == '-' || pcName.front() == '/') return false;
  for (char c : pcName)
    if (breaksTheArgument(static_cast<unsigned char>(c))) return false;
  return true;
}

std::string probeCommandLine(std::string_view pcName) {
  return kCommandStart + sjis::cut(pcName, textLimit(kShortTextBytes));
}

ProbeResult judgeProbeOutput(std::string_view captured, bool readSucceeded) {
  if (!readSucceeded) return ProbeResult::NotConnected;
  std::string_view data = captured.substr(0, kProbeReadBytes);
  if (data.substr(0, sizeof kProbeEndMarker - 1) == kProbeEndMarker) return ProbeResult::CannotRun;
  data = data.substr(0, data.find('\0'));
  return data.find(kAnswerHeading) != std::string_view::npos ? ProbeResult::Connected : ProbeResult::NotConnected;
}

}  // namespace wabo
