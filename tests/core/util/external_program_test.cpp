#include "core/util/external_program.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>

#include "test_files.h"

namespace vianora {
namespace {

using namespace std::chrono_literals;
using enum ProgramEnd;

// A /bin/sh script in a fresh folder, executable unless told otherwise.
std::string script(const std::string& body, mode_t mode = 0700) {
  const auto path = test_support::writeTempFile("stand-in", "#!/bin/sh\n" + body + "\n");
  ::chmod(path.c_str(), mode);
  return path.string();
}

std::size_t openDescriptors() {
  const std::filesystem::directory_iterator fds("/proc/self/fd");
  return static_cast<std::size_t>(std::distance(begin(fds), end(fds)));
}

TEST(RunProgram, ReportsHowTheProgramEndedAndWhatItWrote) {
  struct Case {
    std::string body;
    ProgramEnd end;
    int exitStatus;
    std::string output;
    std::string errors;
  };
  const Case cases[] = {
      {"echo '<gpx/>'; echo 'no such format' >&2; exit 3", Exited, 3, "<gpx/>\n",
       "no such format\n"},
      {"printf '%s|' \"$@\"", Exited, 0, "a b|$HOME|*|;ls|", ""},  // arguments taken as they are
      {"cat; echo end", Exited, 0, "end\n", ""},                   // its standard input is empty
      {"sleep 5", TimedOut, -1, "", ""},
      {"trap '' TERM; echo before; sleep 5", TimedOut, -1, "before\n", ""},
      {"exec >&- 2>&-; sleep 5", TimedOut, -1, "", ""},  // closed its output, still running
      {"kill -9 $$", Crashed, -1, "", ""},
      {"exec cat /dev/zero", OutputTooLarge, -1, "", ""},
      // The first error bytes are kept, and the rest read on to the end.
      {"head -c 200000 /dev/zero >&2; echo done", Exited, 0, "done\n",
       std::string(kKeptErrorBytes, '\0')},
  };
  const ProgramLimits limits{300ms, 200'000};
  for (const Case& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run = runProgram({script(c.body), "a b", "$HOME", "*", ";ls"}, limits);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << c.body;
    EXPECT_EQ(run.end, c.end) << c.body;
    EXPECT_EQ(run.exitStatus, c.exitStatus) << c.body;
    // Past the output limit, the output holds at least the limit and what came with it.
    if (c.end == OutputTooLarge) {
      EXPECT_GT(run.output.size(), limits.largestOutput) << c.body;
    } else {
      EXPECT_EQ(run.output, c.output) << c.body;
    }
    EXPECT_EQ(run.errors, c.errors) << c.body;
  }
}

TEST(RunProgram, StopsWhenAskedAndLeavesNoProcessOrDescriptorBehind) {
  const std::size_t descriptors = openDescriptors();
  int asked = 0;
  const ProgramRun stopped = runProgram({script("echo 12345; sleep 5")}, {}, [&](auto written) {
    ++asked;
    return written < 6;
  });
  EXPECT_EQ(stopped.end, Stopped);
  EXPECT_GE(asked, 1);
  EXPECT_EQ(stopped.output, "12345\n");
  for (const std::string& missing : {script("exit 0", 0600), std::string("/no/such/program"),
                                     std::string("no-such-program-on-the-path")}) {
    EXPECT_EQ(runProgram({missing}, {}).end, NotFound) << missing;
  }
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(openDescriptors(), descriptors);
}

}  // namespace
}  // namespace vianora
