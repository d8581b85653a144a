#include "core/util/external_program.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>

#include "test_files.h"

namespace vianora {
namespace {

using namespace std::chrono_literals;

// A /bin/sh script in a fresh folder; not executable when it is empty.
std::string script(const std::string& body) {
  const auto path = test_support::writeTempFile("stand-in", "#!/bin/sh\n" + body + "\n");
  ::chmod(path.c_str(), body.empty() ? 0600 : 0700);
  return path.string();
}

std::ptrdiff_t openDescriptors() {
  const std::filesystem::directory_iterator fds("/proc/self/fd");
  return std::distance(begin(fds), end(fds));
}

// A run as one text: how it ended, its exit status, its output, "|", its error output.
std::string runText(const ProgramRun& run, std::uint64_t largestOutput) {
  const char* ends[] = {"Exited", "NotFound", "TimedOut", "Stopped", "OutputTooLarge", "Crashed"};
  const auto shown = [&](const std::string& s) {
    if (s.size() > largestOutput) return std::string("more than the limit");
    return s.size() > 100 ? std::to_string(s.size()) + " bytes" : s;
  };
  return std::string(ends[static_cast<int>(run.end)]) + " " + std::to_string(run.exitStatus) + " " +
         shown(run.output) + "|" + shown(run.errors);
}

TEST(RunProgram, ReportsHowItEndedAndWhatItWroteAndLeavesNothingBehind) {
  const std::pair<std::string, std::string> cases[] = {
      {"echo '<gpx/>'; echo 'no such format' >&2; exit 3", "Exited 3 <gpx/>\n|no such format\n"},
      {"printf '%s|' \"$@\"", "Exited 0 a b|$HOME|*|;ls||"},  // arguments taken as they are
      {"cat; echo end", "Exited 0 end\n|"},                   // its standard input is empty
      {"sleep 5", "TimedOut -1 |"},
      {"trap '' TERM; echo before; sleep 5", "TimedOut -1 before\n|"},
      {"exec >&- 2>&-; sleep 5", "TimedOut -1 |"},  // closed its output, still running
      {"kill -9 $$", "Crashed -1 |"},
      {"exec cat /dev/zero", "OutputTooLarge -1 more than the limit|"},
      {"head -c 200000 /dev/zero >&2; echo done", "Exited 0 done\n|65536 bytes"},  // read on
      {"echo 12345; sleep 5 # until stopped", "Stopped -1 12345\n|"},
      {"", "NotFound -1 |"},  // not executable
  };
  const auto descriptors = openDescriptors();
  const ProgramLimits limits{300ms, 200'000};
  for (const auto& [body, expected] : cases) {
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run =
        runProgram({script(body), "a b", "$HOME", "*", ";ls"}, limits,
                   [&](auto written) { return !body.ends_with("stopped") || written < 6; });
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << body;
    EXPECT_EQ(runText(run, limits.largestOutput), expected) << body;
  }
  for (const std::string missing : {"/no/such/program", "no-such-program-on-the-path"}) {
    EXPECT_EQ(runProgram({missing}, {}).end, ProgramEnd::NotFound) << missing;
  }
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(openDescriptors(), descriptors);
}

}  // namespace
}  // namespace vianora
