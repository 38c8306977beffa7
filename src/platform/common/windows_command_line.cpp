#include "platform/common/windows_command_line.h"

#include <algorithm>
#include <cctype>

namespace tessivar::platform {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool ends_path_element_at(std::string_view line, std::size_t end) {
  return end == line.size() || is_blank(line[end]);
}

bool iequals(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The end of the first ".exe" that closes a path element, or npos.
std::size_t end_of_exe_path(std::string_view line) {
  constexpr std::string_view kExe = ".exe";
  for (std::size_t i = 0; i + kExe.size() <= line.size(); ++i) {
    const std::size_t end = i + kExe.size();
    if (iequals(line.substr(i, kExe.size()), kExe) && ends_path_element_at(line, end)) return end;
  }
  return std::string_view::npos;
}

// The C runtime's argument rules: 2n backslashes before a quote give n backslashes and the quote
// toggles quoting; 2n+1 give n backslashes and a literal quote; "" inside quotes is one quote.
std::vector<std::string> split_arguments(std::string_view rest) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  while (true) {
    while (i < rest.size() && is_blank(rest[i])) ++i;
    if (i == rest.size()) break;
    std::string argument;
    bool quoted = false;
    while (i < rest.size() && (quoted || !is_blank(rest[i]))) {
      if (rest[i] == '\\') {
        std::size_t backslashes = 0;
        while (i < rest.size() && rest[i] == '\\') ++backslashes, ++i;
        if (i < rest.size() && rest[i] == '"') {
          argument.append(backslashes / 2, '\\');
          if (backslashes % 2 == 1) {
            argument += '"';
            ++i;
          }
        } else {
          argument.append(backslashes, '\\');
        }
      } else if (rest[i] == '"') {
        if (quoted && i + 1 < rest.size() && rest[i + 1] == '"') {
          argument += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        argument += rest[i++];
      }
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

}  // namespace

WindowsCommand split_windows_command_line(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && is_blank(line[start])) ++start;
  line.remove_prefix(start);
  WindowsCommand command;
  if (line.empty()) return command;

  std::size_t rest_from = 0;
  if (line.front() == '"') {
    const std::size_t close = line.find('"', 1);
    const std::size_t end = close == std::string_view::npos ? line.size() : close;
    command.program = std::string(line.substr(1, end - 1));
    rest_from = close == std::string_view::npos ? line.size() : close + 1;
  } else if (const std::size_t exe_end = end_of_exe_path(line); exe_end != std::string_view::npos) {
    command.program = std::string(line.substr(0, exe_end));
    rest_from = exe_end;
  } else {
    const auto blank = std::find_if(line.begin(), line.end(), is_blank);
    rest_from = static_cast<std::size_t>(blank - line.begin());
    command.program = std::string(line.substr(0, rest_from));
  }
  command.arguments = split_arguments(line.substr(rest_from));
  return command;
}

std::string program_in_system_folder(std::string_view program, std::string_view system_folder) {
  if (program.find_first_of("\\/:") != std::string_view::npos) return std::string(program);
  std::string path(system_folder);
  if (!path.empty() && path.back() != '\\') path += '\\';
  path += program;
  if (program.find('.') == std::string_view::npos) path += ".exe";
  return path;
}

}  // namespace tessivar::platform
