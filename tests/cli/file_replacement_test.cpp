#include "cli/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "test_files.h"

namespace vianora::cli {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Stand-ins for ::write: one byte at a time; three bytes at a time until fewer than four are
// left, when the disk is full.
ssize_t oneByteAtATime(int fd, const void* bytes, std::size_t) { return ::write(fd, bytes, 1); }
ssize_t fullDiskAfterAFewBytes(int fd, const void* bytes, std::size_t count) {
  if (count < 4) {
    errno = ENOSPC;
    return -1;
  }
  return ::write(fd, bytes, 3);
}

class FileReplacement : public ::testing::Test {
 protected:
  fs::path target() const { return folder_ / "0-map.svg"; }
  std::size_t filesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }

  const fs::path folder_ = vianora::test_support::makeTempFolder("replace");
};

TEST_F(FileReplacement, ReplacesTheFileWholeOrLeavesItAsItWas) {
  struct Case {
    WriteCall writeCall;
    const char* content;  // what the file holds afterwards
    const char* reason;   // the system's words after "cannot write PATH: ", or none
  };
  for (const Case& c : {Case{::write, "new chart", ""}, Case{oneByteAtATime, "new chart", ""},
                        Case{fullDiskAfterAFewBytes, "old chart", "No space left on device"}}) {
    std::ofstream(target()) << "old chart";
    const std::string error = replaceFile(target().string(), "new chart", c.writeCall);
    EXPECT_EQ(error, *c.reason ? "cannot write " + target().string() + ": " + c.reason : "");
    EXPECT_EQ(contentOf(target()), c.content);
    EXPECT_EQ(filesInFolder(), 1u);  // no temporary file is left behind
  }
}

TEST_F(FileReplacement, CreatesAFileReadableByAllAsTheUmaskAllows) {
  fs::remove(target());
  const mode_t previous = ::umask(027);
  EXPECT_EQ(replaceFile(target().string(), "chart"), "");
  ::umask(previous);
  struct stat status {};
  ASSERT_EQ(::stat(target().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace vianora::cli
