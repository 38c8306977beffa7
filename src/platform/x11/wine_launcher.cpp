#include "platform/x11/wine_launcher.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/common/windows_command_line.h"

extern char** environ;

namespace tessivar::x11 {

namespace {

// Where every Wine prefix keeps the Windows programs (Wine makes it so and never moves it).
constexpr std::string_view kWineSystemFolder = "C:\\windows\\system32";

int wake_pipe[2] = {-1, -1};

void on_child_ended(int) {
  const int saved = errno;
  const char byte = 1;
  // A full pipe already holds a wake-up; nothing is lost by dropping this one.
  [[maybe_unused]] const ssize_t written = write(wake_pipe[1], &byte, 1);
  errno = saved;
}

void make_nonblocking_cloexec(int fd) {
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  fcntl(fd, F_SETFD, FD_CLOEXEC);
}

std::string describe_failure(const std::string& command_line, int status) {
  const std::string start = "Cannot start \"" + command_line + "\": ";
  if (WIFSIGNALED(status)) {
    return start + "Wine ended on signal " + std::to_string(WTERMSIG(status)) + ".";
  }
  const int code = WEXITSTATUS(status);
  // Wine's start command ends with 1 when the program it was given does not exist.
  if (code == 1) return start + "the program was not found.";
  return start + "Wine could not run it (exit status " + std::to_string(code) + ").";
}

}  // namespace

std::optional<std::string> find_on_path(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (!path) return std::nullopt;
  std::string_view rest(path);
  while (true) {
    const std::size_t colon = rest.find(':');
    std::string dir(rest.substr(0, colon));
    if (dir.empty()) dir = ".";
    const std::string candidate = dir + "/" + name;
    struct stat info {};
    if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    if (colon == std::string_view::npos) return std::nullopt;
    rest.remove_prefix(colon + 1);
  }
}

WineLauncher::WineLauncher() {
  if (wake_pipe[0] < 0) {
    if (pipe(wake_pipe) != 0) throw ui::PlatformError("Cannot make a pipe for child processes");
    make_nonblocking_cloexec(wake_pipe[0]);
    make_nonblocking_cloexec(wake_pipe[1]);
  }
  struct sigaction action {};
  action.sa_handler = on_child_ended;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
  sigaction(SIGCHLD, &action, nullptr);
}

WineLauncher::~WineLauncher() {
  // Children still running go on without us; init reaps them once we are gone.
  signal(SIGCHLD, SIG_DFL);
}

int WineLauncher::wake_fd() const {
  return wake_pipe[0];
}

std::int64_t WineLauncher::launch(const ui::LaunchRequest& request) {
  const std::optional<std::string> wine = find_on_path("wine");
  if (!wine) {
    throw ui::LaunchError("Cannot start \"" + request.command_line +
                          "\": Windows programs need Wine, which is not installed.");
  }
  const platform::WindowsCommand command =
      platform::split_windows_command_line(request.command_line);
  if (command.program.empty()) {
    throw ui::LaunchError("Cannot start \"" + request.command_line + "\": it names no program.");
  }

  // Wine's start takes the first word after its options as the program, spaces and all; it
  // reads no window title there as the Windows command does, and an empty title word would be
  // taken as a program of that name. So the path goes first, as one word. A bare name is the
  // system folder's program: Wine's own search, like Windows's, would look in the current
  // folder first, where a planted program of that name would run in the system's place.
  std::vector<std::string> words{"wine", "start"};
  if (request.window_style == ui::WindowStyle::Minimised) words.emplace_back("/min");
  words.push_back(platform::program_in_system_folder(command.program, kWineSystemFolder));
  words.insert(words.end(), command.arguments.begin(), command.arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  // The child starts with default signal handling and its own process group, so that it runs
  // on independently of us.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, child_default;
  sigemptyset(&none);
  sigemptyset(&child_default);
  sigaddset(&child_default, SIGCHLD);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &child_default);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
  pid_t pid = 0;
  const int result = posix_spawn(&pid, wine->c_str(), nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  if (result != 0) {
    throw ui::LaunchError("Cannot start \"" + request.command_line +
                          "\": Wine could not be started (" + std::strerror(result) + ").");
  }
  running_[pid] = request.command_line;
  return pid;
}

std::vector<ui::LaunchError> WineLauncher::collect_ended() {
  char buffer[64];
  while (read(wake_pipe[0], buffer, sizeof buffer) > 0) {
  }
  std::vector<ui::LaunchError> failures;
  while (true) {
    int status = 0;
    const pid_t pid = waitpid(-1, &status, WNOHANG);
    if (pid <= 0) break;
    const auto it = running_.find(pid);
    if (it == running_.end()) continue;
    if (!(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
      failures.emplace_back(describe_failure(it->second, status));
    }
    running_.erase(it);
  }
  return failures;
}

}  // namespace tessivar::x11
