#include "platform/win32/error_window.h"

#include <process.h>

#include <memory>

#include "platform/win32/utf16.h"
#include "platform/win32/windows_headers.h"

namespace tessivar::win32 {

namespace {

struct ErrorBox {
  std::wstring title;
  std::wstring message;
};

void show_box(const ErrorBox& box) {
  MessageBoxW(nullptr, box.message.c_str(), box.title.c_str(),
              MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

unsigned __stdcall box_thread(void* argument) {
  const std::unique_ptr<ErrorBox> box(static_cast<ErrorBox*>(argument));
  show_box(*box);
  return 0;
}

}  // namespace

void show_error_box(const std::string& title, const std::string& message) {
  auto box = std::make_unique<ErrorBox>(ErrorBox{to_utf16(title), to_utf16(message)});
  // _beginthreadex rather than CreateThread: the thread uses the C runtime (its allocator).
  const std::uintptr_t thread = _beginthreadex(nullptr, 0, box_thread, box.get(), 0, nullptr);
  if (thread != 0) {
    box.release();  // the thread owns it now
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    return;
  }
  // Without a thread the box still tells the user, at the cost of pausing the application.
  show_box(*box);
}

}  // namespace tessivar::win32
