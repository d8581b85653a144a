#include "core/import/import_failure.h"

namespace vianora {

std::vector<std::string> failureLines(const ImportFailure& failure) {
  std::string description(failureDescription(failure.code));
  if (!failure.detail.empty()) description += ": " + failure.detail;
  const std::string number = std::to_string(failure.number());
  const std::string line = std::to_string(failure.line);
  if (failure.shown == ImportFailure::Shown::ByGpxReader) {
    return {"Error number: " + number, description, "Source: " + std::string(kFailureSource),
            "Error line: " + line};
  }
  return {"(Linea " + line + ") " + number, description};
}

}  // namespace vianora
