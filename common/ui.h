// What the core asks of the user interface: message boxes. The shell shows
// real ones (caption "ﾒｯｾｰｼﾞ", owned by the main window or the dialog in
// front); the tests script the answers and record what was shown.
#pragma once

namespace wabo {

class Ui {
 public:
  virtual ~Ui() = default;
  // Failure or refusal: caption "ﾒｯｾｰｼﾞ", warning icon, OK.
  virtual void warn(const char* text) = 0;
  // Report of success: caption "ﾒｯｾｰｼﾞ", information icon, OK.
  virtual void inform(const char* text) = 0;
  // Question: caption "確認ﾒｯｾｰｼﾞ", OK and Cancel, question icon, Cancel the
  // default. True when the user answered OK.
  virtual bool confirm(const char* text) = 0;
};

}  // namespace wabo
