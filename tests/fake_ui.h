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
  std::vector<std::string> warnings;
  std::vector<std::string> informations;
  std::vector<std::string> questions;
  std::deque<bool> answers;  // confirm() takes the next one; Cancel when empty

  void warn(const char* text) override { warnings.emplace_back(text); }
  void inform(const char* text) override { informations.emplace_back(text); }
  bool confirm(const char* text) override {
    questions.emplace_back(text);
    if (answers.empty()) return false;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::size_t shown() const { return warnings.size() + informations.size() + questions.size(); }
};

}  // namespace wabo::testing
