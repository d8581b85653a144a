#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vianora {

/// How a run of another program ended.
enum class ProgramEnd {
  Exited,          ///< it ended by itself; see exitStatus
  NotFound,        ///< it is not installed (not on the PATH), or cannot be started
  TimedOut,        ///< it ran past the time limit and was killed
  Stopped,         ///< the caller asked to stop it, and it was killed
  OutputTooLarge,  ///< it wrote more than the limit to its standard output, and was killed
  Crashed,         ///< it ended by a signal it was not sent by us
};

/// What a run of another program left.
struct ProgramRun {
  ProgramEnd end = ProgramEnd::NotFound;
  int exitStatus = -1;  ///< its exit status when it Exited
  std::string output;   ///< its standard output
  std::string errors;   ///< its standard error (the first kKeptErrorBytes of it)
};

/// How long a program may run and how much it may write.
struct ProgramLimits {
  std::chrono::milliseconds timeLimit{std::chrono::minutes(5)};
  std::uint64_t largestOutput = std::uint64_t{1} << 32;
};

/// How much of a program's standard error is kept.
inline constexpr std::size_t kKeptErrorBytes = 64 * 1024;

/// Asked about every 20 ms while a program runs, with the bytes of output so far; false
/// stops the program.
using KeepRunning = std::function<bool(std::uint64_t outputBytes)>;

/// Runs `arguments[0]` (looked up on the PATH unless it holds a '/') with the rest as its
/// arguments, without a shell: nothing in them is interpreted. Its standard input is empty
/// (/dev/null); its standard output and error are read as it writes them, and no other file
/// of this process is passed on. It leads a process group of its own: a program killed for
/// the time limit, a stop or too much output is killed (SIGKILL) with whatever it started,
/// and waited for, so none is left behind; so is one left by an exception out of keepRunning.
ProgramRun runProgram(const std::vector<std::string>& arguments, const ProgramLimits& limits,
                      const KeepRunning& keepRunning = {});

}  // namespace vianora
