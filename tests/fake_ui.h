// Message boxes for tests: records every text shown; questions are answered
// with Cancel.
#pragma once
#include <string>
#include <vector>

#include "common/ui.h"

namespace wabo::testing {

class RecordingUi : public Ui {
 public:
  std::vector<std::string> warnings, informations, questions;

  void warn(const char* text) override { warnings.emplace_back(text); }
  void inform(const char* text) override { informations.emplace_back(text); }
  bool confirm(const char* text) override {
    questions.emplace_back(text);
    return false;
  }
};

}  // namespace wabo::testing
