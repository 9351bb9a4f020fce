#include "app/startup_failure.h"

#include "common/messages.h"

namespace wabo {

namespace {

const char* stepText(StartupStep step) {
  switch (step) {
    case StartupStep::kResources:
      return msg::kStartupResources;
    case StartupStep::kWindowClass:
      return msg::kStartupWindowClass;
    case StartupStep::kMainWindow:
      return msg::kStartupMainWindow;
    default:
      return msg::kStartupUnexpected;
  }
}

}  // namespace

std::string startupFailureText(StartupStep step, unsigned long systemError, std::string_view systemText) {
  std::string text = std::string(msg::kStartupFailed) + "\n" + stepText(step);
  if (systemError == 0) return text;
  // The system's texts end in CR LF (some in a blank too); CR and LF are never trail bytes.
  while (!systemText.empty() && (systemText.back() == '\r' || systemText.back() == '\n' || systemText.back() == ' '))
    systemText.remove_suffix(1);
  text += "\n\n";
  if (!systemText.empty()) text += std::string(systemText) + "\n";
  return text + msg::kSystemErrorNumber + std::to_string(systemError) + ")";
}

}  // namespace wabo
