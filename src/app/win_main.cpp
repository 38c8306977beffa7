// The Windows program: the application's description run on the Win32 backend.
#include "app/application_description.h"
#include "platform/win32/utf16.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_headers.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*command_line*/,
                   int /*show*/) {
  try {
    tessivar::win32::Win32Platform platform;
    tessivar::ui::Application app(platform, tessivar::app::tessivar_application());
    app.start();
    app.run();
  } catch (const std::exception& error) {
    const std::wstring message = tessivar::win32::to_utf16(error.what());
    MessageBoxW(nullptr, message.c_str(), L"Tessivar", MB_OK | MB_ICONERROR);
    return 1;
  }
  return 0;
}
