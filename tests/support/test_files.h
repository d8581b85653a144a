#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vianora::test_support {

/// A sample track file by its path under samples/ (such as "gpx/georust-wikipedia_example.gpx"):
/// the copy committed in this repository, else the one in the shared collection beside it;
/// no value when neither is there.
std::optional<std::filesystem::path> sampleFile(const std::string& relativePath);

/// Writes bytes to a fresh temporary file and returns its path; removed when the test ends.
std::filesystem::path writeTempFile(const std::string& name, const std::string& bytes);

/// A fresh, empty temporary folder of this name; removed when the test ends.
std::filesystem::path makeTempFolder(const std::string& name);

}  // namespace vianora::test_support
