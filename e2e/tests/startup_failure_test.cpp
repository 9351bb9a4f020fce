// A start that fails says why: one message box, then an exit code other than 0.
#include <windows.h>

#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

// Takes a resource out of a program file, as a damaged copy on a share may lack it.
// Gives resource `id` of `type` another number in a copy of the program
// file, as in a damaged or mismatched copy on a share: the program no
// longer finds it. (The system's resource update cannot remove one here.)
void renumberResource(const std::string& exe, WORD type, WORD id, WORD newId) {
  std::string bytes = readFileBytes(exe);
  const auto at = [&](size_t offset, size_t size) {
    if (offset + size > bytes.size()) throw HarnessError("not a program file: " + exe);
    return &bytes[offset];
  };
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0, sizeof(IMAGE_DOS_HEADER)));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(at(dos->e_lfanew, sizeof(IMAGE_NT_HEADERS64)));
  const DWORD rva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE].VirtualAddress;
  const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
  size_t base = 0;
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i)
    if (rva >= sections[i].VirtualAddress && rva < sections[i].VirtualAddress + sections[i].SizeOfRawData)
      base = sections[i].PointerToRawData + (rva - sections[i].VirtualAddress);
  // The entry numbered `name` in the resource directory at `directory`.
  const auto entry = [&](size_t directory, WORD name) {
    const auto* dir = reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY*>(at(base + directory, sizeof(IMAGE_RESOURCE_DIRECTORY)));
    const int count = dir->NumberOfNamedEntries + dir->NumberOfIdEntries;
    auto* entries = reinterpret_cast<IMAGE_RESOURCE_DIRECTORY_ENTRY*>(
        at(base + directory + sizeof *dir, count * sizeof(IMAGE_RESOURCE_DIRECTORY_ENTRY)));
    for (int i = 0; i < count; ++i)
      if (!entries[i].NameIsString && entries[i].Id == name) return &entries[i];
    throw HarnessError("no resource " + std::to_string(name) + " in " + exe);
  };
  if (base == 0) throw HarnessError("no resources in " + exe);
  entry(entry(0, type)->OffsetToDirectory, id)->Id = newId;
  writeFileBytes(exe, bytes);
}

// A program file without its row menu (295) cannot load it at start: the
// message names what failed and carries the system's text and number for
// it; no window appears and the exit code is 1.
TEST(StartupFailure, AProgramFileWithoutItsRowMenuSaysWhyAndEndsWithExitCode1) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  renumberResource(program.file("wabo.exe"), 4 /* RT_MENU */, IDM_ROW_POPUP, IDM_ROW_POPUP + 4);  // between 101 and 340
  program.launch();
  const std::string text = program.answerMessageBox();
  const std::string head = "行き先表示ボードを起動できません\nﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙのﾒﾆｭｰまたはｼｮｰﾄｶｯﾄｷｰを読み込めませんでした\n\n";
  EXPECT_EQ(text.substr(0, head.size()), head) << text;
  const std::string number = "(ｴﾗｰ番号 " + std::to_string(ERROR_RESOURCE_NAME_NOT_FOUND) + ")";
  ASSERT_GT(text.size(), head.size() + number.size() + 1) << "the system's own text before the number: " << text;
  EXPECT_EQ(text.substr(text.size() - number.size()), number) << text;
  EXPECT_EQ(program.waitForExit(), 1u);
  EXPECT_EQ(findTopLevel(GetProcessId(program.process()), "ModelApp", nullptr), nullptr);
  EXPECT_FALSE(program.hasFile("WaboM.ini")) << "nothing written";
}

}  // namespace
}  // namespace e2e
