#include "platform/win32/error_window.h"

#include <process.h>

#include "platform/common/error_messages.h"
#include "platform/win32/utf16.h"
#include "platform/win32/windows_headers.h"

namespace tessivar::win32 {

namespace {

// The messages waiting for the box, shared by the user-interface thread (which adds them) and the
// box's thread (which shows them). A critical section, since the threads of this toolchain have
// no std::mutex and Windows XP has no slim locks.
struct WaitingErrors {
  WaitingErrors() { InitializeCriticalSection(&lock); }
  ~WaitingErrors() { DeleteCriticalSection(&lock); }
  CRITICAL_SECTION lock;
  platform::ErrorMessages messages;
  std::wstring title;
};

class Locked {
 public:
  explicit Locked(CRITICAL_SECTION& section) : section_(section) {
    EnterCriticalSection(&section_);
  }
  ~Locked() { LeaveCriticalSection(&section_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  CRITICAL_SECTION& section_;
};

WaitingErrors& waiting_errors() {
  static WaitingErrors errors;
  return errors;
}

std::optional<std::wstring> next_box_text() {
  WaitingErrors& errors = waiting_errors();
  const Locked guard(errors.lock);
  const std::optional<std::string> text = errors.messages.next_text();
  if (!text) return std::nullopt;
  return to_utf16(*text);
}

// Shows one box after another until nothing waits.
void show_boxes() {
  std::wstring title;
  {
    const Locked guard(waiting_errors().lock);
    title = waiting_errors().title;
  }
  while (const std::optional<std::wstring> text = next_box_text()) {
    MessageBoxW(nullptr, text->c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
  }
}

unsigned __stdcall box_thread(void*) {
  show_boxes();
  return 0;
}

}  // namespace

void show_error_box(const std::string& title, const std::string& message) {
  WaitingErrors& errors = waiting_errors();
  {
    const Locked guard(errors.lock);
    errors.title = to_utf16(title);
    // A box is up already: the message waits behind it, and its thread shows it next.
    if (!errors.messages.add(message)) return;
  }
  // _beginthreadex rather than CreateThread: the thread uses the C runtime (its allocator).
  const std::uintptr_t thread = _beginthreadex(nullptr, 0, box_thread, nullptr, 0, nullptr);
  if (thread != 0) {
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    return;
  }
  // Without a thread the boxes still tell the user, at the cost of pausing the application.
  show_boxes();
}

}  // namespace tessivar::win32
