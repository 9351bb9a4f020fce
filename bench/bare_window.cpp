// The smallest Win32 program with a window: the baseline against which the
// bench measures how long the real program takes to show its window.
// Same rectangle as the program's first start; paints one line of text.
// With "--controls" on its command line it also fills its client area with
// an empty report list view of ten columns and a status bar, to tell the
// cost of the common controls from the cost of the program's own work.
#include <windows.h>

#include <commctrl.h>
#include <cstring>

namespace {

const char kClassName[] = "WaboBenchBare";

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      static const char text[] = "bare window";
      TextOutA(dc, 8, 8, text, sizeof text - 1);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

// comctl32 is loaded only here, so that the plain window does not load it.
void addControls(HWND window, HINSTANCE instance) {
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  HMODULE comctl = LoadLibraryA("comctl32.dll");
  auto initControls =
      comctl ? reinterpret_cast<InitFunction>(reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")))
             : nullptr;
  INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  if (initControls) initControls(&init);
  RECT client;
  GetClientRect(window, &client);
  HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                              client.right, client.bottom - 20, window, reinterpret_cast<HMENU>(100), instance,
                              nullptr);
  for (int c = 0; c < 10; ++c) {
    char caption[16] = "column";
    caption[6] = static_cast<char>('0' + c);
    caption[7] = 0;
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = 70;
    column.pszText = caption;
    column.iSubItem = c;
    SendMessageA(list, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
  }
  CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window,
                  reinterpret_cast<HMENU>(3), instance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassA(&windowClass)) return 1;

  HWND window = CreateWindowA(kClassName, "bare window", WS_OVERLAPPEDWINDOW, 119, 135, 648, 338,
                              nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  if (commandLine && std::strstr(commandLine, "--controls")) addControls(window, instance);
  ShowWindow(window, showCommand);
  UpdateWindow(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
