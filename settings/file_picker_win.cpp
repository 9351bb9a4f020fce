#include "settings/file_picker_win.h"

#include <commdlg.h>

#include "common/limits.h"
#include "common/sjis.h"
#include "common/system_library_win.h"

namespace wabo {
namespace {

struct PickerFace {
  const char* title;
  const char* okText;
};

PickerFace faceOf(FilePickKind kind) {
  switch (kind) {
    case FilePickKind::select:
      return {"ﾃﾞｰﾀﾌｧｲﾙの選択", "選択する"};
    case FilePickKind::create:
      return {"ﾃﾞｰﾀﾌｧｲﾙの作成", "作成する"};
    case FilePickKind::save:
      break;
  }
  return {"ﾒｰﾙの保存", "保存する"};
}

// One filter, shown as "全ての(*.*)"; the list ends with two zero bytes.
const char kFilter[] = "全ての(*.*)\0*.*\0";

// The explorer-style dialog's hook: on its initialisation it puts the
// kind's text on the parent dialog's OK button.
UINT_PTR CALLBACK pickerHook(HWND hookDialog, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return 0;
  const auto* request = reinterpret_cast<const OPENFILENAMEA*>(lParam);
  const char* okText = request != nullptr ? reinterpret_cast<const char*>(request->lCustData) : nullptr;
  if (okText != nullptr) SendMessageA(GetParent(hookDialog), CDM_SETCONTROLTEXT, IDOK, reinterpret_cast<LPARAM>(okText));
  return 1;
}

}  // namespace

std::string pickFile(HWND owner, FilePickKind kind, const std::string& initialText) {
  const PickerFace face = faceOf(kind);
  char path[kPathBytes] = {};
  const std::string initial = sjis::cut(initialText, textLimit(kPathBytes));
  initial.copy(path, initial.size());

  OPENFILENAMEA request = {};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = kFilter;
  request.nFilterIndex = 1;
  request.lpstrFile = path;
  request.nMaxFile = sizeof path;
  request.lpstrTitle = face.title;
  request.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY;
  request.Flags |= kind == FilePickKind::select ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT;
  request.lpfnHook = pickerHook;
  request.lCustData = reinterpret_cast<LPARAM>(face.okText);

  const BOOL chosen = kind == FilePickKind::select ? system::getOpenFileName(&request) : system::getSaveFileName(&request);
  if (!chosen) return kind == FilePickKind::select ? initialText : std::string();
  path[sizeof path - 1] = '\0';
  return std::string(path);
}

}  // namespace wabo
