#include "core/util/external_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>

extern char** environ;

namespace vianora {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kAskEvery = std::chrono::milliseconds(20);

// A file descriptor closed when it goes out of scope.
class Descriptor {
 public:
  Descriptor() = default;
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { close(); }
  int& fd() { return fd_; }
  int get() const { return fd_; }
  bool isOpen() const { return fd_ >= 0; }
  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

// Two ends of a pipe; neither is passed on to a program this process starts later.
struct Pipe {
  Descriptor readEnd;
  Descriptor writeEnd;
  bool open() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return false;
    readEnd.fd() = ends[0];
    writeEnd.fd() = ends[1];
    return true;
  }
};

// The started program. It leads a process group of its own, so that killing the group also
// ends what it started (a script's sleep), which would otherwise hold the pipes open. Whatever
// way the run is left, even by an exception out of keepRunning, the program is killed and
// waited for.
class Child {
 public:
  explicit Child(pid_t pid) : pid_(pid) {}
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() {
    if (!reaped_) {
      kill();
      waitFor(0);
    }
  }

  void kill() {
    if (::kill(-pid_, SIGKILL) != 0) ::kill(pid_, SIGKILL);
  }

  // Whether it has ended (waiting for it with `flags` 0), with its status then.
  bool waitFor(int flags) {
    int result = 0;
    do {
      result = ::waitpid(pid_, &status_, flags);
    } while (result < 0 && errno == EINTR);
    reaped_ = result == pid_ || (result < 0 && errno == ECHILD);
    return reaped_;
  }

  int status() const { return status_; }

 private:
  pid_t pid_;
  int status_ = 0;
  bool reaped_ = false;
};

// Starts the program with its standard input on /dev/null and its output into the pipes.
// Errors of the start itself (not found, not executable) come back from posix_spawnp.
int spawn(const std::vector<std::string>& arguments, Pipe& output, Pipe& errors, pid_t& pid) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, output.writeEnd.get(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, errors.writeEnd.get(), STDERR_FILENO);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  // Files this process opened without O_CLOEXEC (a library's, say) stay here.
  posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
#endif
  // Signals this process ignores or blocks (SIGPIPE, say) are not the program's business.
  sigset_t none;
  sigset_t all;
  sigemptyset(&none);
  sigfillset(&all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
  const int error = ::posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  return error;
}

// Reads what is there on `from`; closes it at its end. Returns the number of bytes read.
std::size_t readSome(Descriptor& from, std::string& into, std::size_t keep) {
  std::array<char, 64 * 1024> buffer;
  ssize_t count = 0;
  do {
    count = ::read(from.get(), buffer.data(), buffer.size());
  } while (count < 0 && errno == EINTR);
  if (count <= 0) {
    if (count == 0 || errno != EAGAIN) from.close();
    return 0;
  }
  const auto size = static_cast<std::size_t>(count);
  if (into.size() < keep) into.append(buffer.data(), std::min(size, keep - into.size()));
  return size;
}

// Waits up to `wait` for either pipe to have something, and reads it.
void readPipes(Descriptor& output, Descriptor& errors, ProgramRun& run, std::uint64_t& written,
               std::chrono::milliseconds wait) {
  std::array<pollfd, 2> fds{pollfd{output.get(), POLLIN, 0}, pollfd{errors.get(), POLLIN, 0}};
  if (!output.isOpen() && !errors.isOpen()) {
    ::poll(nullptr, 0, static_cast<int>(wait.count()));  // it closed them but is still running
    return;
  }
  if (::poll(fds.data(), fds.size(), static_cast<int>(wait.count())) <= 0) return;  // EINTR too
  if (fds[0].revents != 0) written += readSome(output, run.output, SIZE_MAX);
  if (fds[1].revents != 0) readSome(errors, run.errors, kKeptErrorBytes);
}

// When the run must end before the program does: too much output, the time limit, or a
// stop asked for (keepRunning is asked every kAskEvery).
class Watch {
 public:
  Watch(const ProgramLimits& limits, const KeepRunning& keepRunning)
      : limits_(limits), keepRunning_(keepRunning) {}

  // How long to wait for output before looking again.
  std::chrono::milliseconds wait() const {
    const auto untilAsk = std::chrono::ceil<std::chrono::milliseconds>(nextAsk_ - Clock::now());
    return std::max(untilAsk, std::chrono::milliseconds{0});
  }

  std::optional<ProgramEnd> endNow(std::uint64_t written) {
    const auto now = Clock::now();
    if (written > limits_.largestOutput) return ProgramEnd::OutputTooLarge;
    if (now >= deadline_) return ProgramEnd::TimedOut;
    if (now < nextAsk_) return std::nullopt;
    nextAsk_ = now + kAskEvery;
    if (keepRunning_ && !keepRunning_(written)) return ProgramEnd::Stopped;
    return std::nullopt;
  }

 private:
  const ProgramLimits& limits_;
  const KeepRunning& keepRunning_;
  Clock::time_point deadline_ = Clock::now() + limits_.timeLimit;
  Clock::time_point nextAsk_ = Clock::now() + kAskEvery;
};

ProgramEnd endOf(int status, ProgramRun& run) {
  if (WIFEXITED(status)) {
    run.exitStatus = WEXITSTATUS(status);
    return ProgramEnd::Exited;
  }
  return ProgramEnd::Crashed;
}

}  // namespace

ProgramRun runProgram(const std::vector<std::string>& arguments, const ProgramLimits& limits,
                      const KeepRunning& keepRunning) {
  ProgramRun run;
  Pipe output;
  Pipe errors;
  pid_t pid = 0;
  if (arguments.empty() || !output.open() || !errors.open() ||
      spawn(arguments, output, errors, pid) != 0) {
    return run;
  }
  Child child(pid);
  output.writeEnd.close();
  errors.writeEnd.close();
  Watch watch(limits, keepRunning);
  std::uint64_t written = 0;
  for (;;) {
    readPipes(output.readEnd, errors.readEnd, run, written, watch.wait());
    if (const auto end = watch.endNow(written)) {
      run.end = *end;
      break;
    }
    // A program that closed its output may still run: it is waited for within the limits.
    const bool pipesClosed = !output.readEnd.isOpen() && !errors.readEnd.isOpen();
    if (pipesClosed && child.waitFor(WNOHANG)) {
      run.end = endOf(child.status(), run);
      return run;
    }
  }
  child.kill();
  child.waitFor(0);
  return run;
}

}  // namespace vianora
