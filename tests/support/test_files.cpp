#include "test_files.h"

#include <unistd.h>

#include <fstream>
#include <system_error>

namespace vianora::test_support {

namespace {

class TempDir {
 public:
  TempDir() {
    path_ = std::filesystem::temp_directory_path() / ("vianora-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

const std::filesystem::path& tempDir() {
  static TempDir dir;
  return dir.path();
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
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return path;
}

std::filesystem::path makeTempFolder(const std::string& name) {
  const auto path = tempDir() / name;
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path;
}

}  // namespace vianora::test_support
