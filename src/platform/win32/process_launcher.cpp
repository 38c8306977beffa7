#include "platform/win32/process_launcher.h"

#include "platform/win32/launch_command.h"
#include "platform/win32/utf16.h"
#include "platform/win32/windows_headers.h"
#include "ui/errors.h"

namespace tessivar::win32 {

std::string system_message(std::uint32_t error_code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error_code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length > 0 ? std::wstring(text, length) : std::wstring();
  if (text) LocalFree(text);
  while (!message.empty() &&
         (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' ')) {
    message.pop_back();
  }
  if (message.empty()) return "error " + std::to_string(error_code);
  return to_utf8(message);
}

namespace {

// The folder Windows keeps its own programs in ("C:\WINDOWS\system32").
std::string system_folder(const std::string& command_line) {
  wchar_t buffer[MAX_PATH + 1];
  const UINT length = GetSystemDirectoryW(buffer, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) {
    throw ui::LaunchError("Cannot start \"" + command_line +
                          "\": the Windows system folder cannot be found (" +
                          system_message(GetLastError()) + ").");
  }
  return to_utf8(std::wstring(buffer, length));
}

}  // namespace

std::int64_t launch_process(const ui::LaunchRequest& request) {
  const ProcessCommand command =
      process_command_for(request.command_line, system_folder(request.command_line));
  if (!command.names_program) {
    throw ui::LaunchError("Cannot start \"" + request.command_line + "\": it names no program.");
  }
  const std::wstring application = to_utf16(command.application_name);
  std::wstring command_line = to_utf16(command.command_line);  // CreateProcessW may write to it

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(
      request.window_style == ui::WindowStyle::Minimised ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(application.empty() ? nullptr : application.c_str(), command_line.data(),
                      nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    const DWORD error = GetLastError();
    throw ui::LaunchError("Cannot start \"" + request.command_line +
                          "\": " + system_message(error));
  }
  // Fire and forget: the started program belongs to nobody here.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return process.dwProcessId;
}

}  // namespace tessivar::win32
