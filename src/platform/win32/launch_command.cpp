#include "platform/win32/launch_command.h"

#include <algorithm>
#include <cctype>

#include "platform/common/windows_command_line.h"

namespace tessivar::win32 {

namespace {

bool has_directory(std::string_view program) {
  return program.find_first_of("\\/:") != std::string_view::npos;
}

bool ends_in_exe(std::string_view program) {
  constexpr std::string_view kExe = ".exe";
  if (program.size() < kExe.size()) return false;
  const std::string_view tail = program.substr(program.size() - kExe.size());
  return std::equal(tail.begin(), tail.end(), kExe.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

}  // namespace

ProcessCommand process_command_for(std::string_view line, std::string_view system_folder) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  const std::string_view trimmed = line.substr(start);
  const std::string program = platform::split_windows_command_line(trimmed).program;
  if (program.empty()) return {};

  // The split gives the program's text; the rest of the line follows it, after the closing quote
  // when the line quoted the program itself.
  std::size_t program_end = program.size();
  if (trimmed.front() == '"') program_end = std::min(trimmed.size(), program.size() + 2);
  const std::string_view rest = trimmed.substr(program_end);

  ProcessCommand command;
  command.names_program = true;
  if (!has_directory(program)) {
    command.application_name = platform::program_in_system_folder(program, system_folder);
    command.command_line = std::string(line);
    return command;
  }
  if (ends_in_exe(program)) command.application_name = program;
  command.command_line = "\"" + program + "\"" + std::string(rest);
  return command;
}

}  // namespace tessivar::win32
