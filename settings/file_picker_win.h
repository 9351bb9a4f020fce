// The file picker: the system's open-file and save-file dialogs with this
// program's titles and OK-button texts.
#pragma once
#include <windows.h>

#include <string>

namespace wabo {

enum class FilePickKind {
  select,  // open-file dialog "ﾃﾞｰﾀﾌｧｲﾙの選択", OK "選択する"; the file must exist
  create,  // save-file dialog "ﾃﾞｰﾀﾌｧｲﾙの作成", OK "作成する"; asks before overwriting
  save,    // save-file dialog "ﾒｰﾙの保存", OK "保存する"; asks before overwriting
};

// Runs the picker of `kind` over `owner` with `initialText` (at most 255
// bytes are taken) in its file-name field, and returns the chosen full path
// (at most 255 bytes). When the user cancels, or the chosen path does not
// fit, the select kind gives back `initialText` unchanged and the create and
// save kinds give an empty text, on which their callers do nothing.
std::string pickFile(HWND owner, FilePickKind kind, const std::string& initialText);

}  // namespace wabo
