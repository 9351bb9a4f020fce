// The all-members message dialog's OK, apart from its window.
#pragma once
#include <string>
#include <string_view>

namespace wabo {

// Takes the typed text (254 bytes at most, commas turned into slashes) into
// `message` (allMembersMessage). True when a comma was replaced: the dialog
// says so once before it closes.
bool acceptMessageText(std::string_view typed, std::string& message);

}  // namespace wabo
