// What can stop the program before its window is up, and how it says so: one
// message box naming what failed, with the system's own text for the error
// when there is one, and an exit code other than 0.
#pragma once
#include <string>
#include <string_view>

namespace wabo {

enum class StartupStep {
  kResources,    // a menu or the shortcuts of the program file
  kWindowClass,  // the main window's class
  kMainWindow,   // the main window itself
  kUnexpected,   // anything else that ended the program
};

constexpr int kStartupFailedExitCode = 1;

// The text of the message box: that the board cannot start, what failed,
// then `systemText` (the system's message for `systemError`, its line ends
// dropped) and the error number. Without an error number the text ends
// after what failed.
std::string startupFailureText(StartupStep step, unsigned long systemError, std::string_view systemText);

}  // namespace wabo
