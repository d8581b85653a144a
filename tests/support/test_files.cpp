#include "test_files.h"

#include <unistd.h>

#include <fstream>

namespace vianora::test_support {

namespace {

// One folder per test process, removed when the process ends.
const std::filesystem::path& tempDir() {
  static const struct TempDir {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vianora-test-" + std::to_string(::getpid()));
    TempDir() { std::filesystem::create_directories(path); }
    ~TempDir() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  } dir;
  return dir.path;
}

}  // namespace

std::optional<std::filesystem::path> sampleFile(const std::string& relativePath) {
  for (const char* dir : {VIANORA_SAMPLES_REPO, VIANORA_SAMPLES_SHARED}) {
    std::filesystem::path candidate = std::filesystem::path(dir) / relativePath;
    if (std::filesystem::is_regular_file(candidate)) return candidate;
  }
  return std::nullopt;
}

std::filesystem::path writeTempFile(const std::string& name, const std::string& bytes) {
  const auto path = tempDir() / name;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

std::filesystem::path makeTempFolder(const std::string& name) {
  const auto path = tempDir() / name;
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path;
}

}  // namespace vianora::test_support
