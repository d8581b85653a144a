#include "import/import_failure.h"

namespace vianora {

std::string ImportFailure::description() const {
  std::string text(failureDescription(code));
  if (!detail.empty()) text.append(": ").append(detail);
  return text;
}

std::string openFailureTitle(const ImportFailure& failure) { return "Errore " + failure.source; }

std::string openFailureText(const ImportFailure& failure) {
  return "(Linea " + std::to_string(failure.line) + ") " + std::to_string(failure.number()) +
         "\r\n" + failure.description();
}

std::string gpxFailureText(const ImportFailure& failure) {
  return "Error number: " + std::to_string(failure.number()) + "\r\n" + failure.description() +
         "\r\nSource: " + failure.source + "\r\nError line: " + std::to_string(failure.line);
}

}  // namespace vianora
