// Message boxes for tests: records every text shown and answers questions
// from a script.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "common/ui.h"

namespace wabo::testing {

class RecordingUi : public Ui {
 public:
  std::vector<std::string> warnings, informations, questions;
  std::deque<bool> answers;  // confirm() takes the next one; Cancel when empty

  void warn(const char* text) override { warnings.emplace_back(text); }
  void inform(const char* text) override { informations.emplace_back(text); }
  bool confirm(const char* text) override {
    questions.emplace_back(text);
    bool answer = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
};

}  // namespace wabo::testing
