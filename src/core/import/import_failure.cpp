#include "core/import/import_failure.h"

namespace vianora {

std::string ImportFailure::description() const {
  std::string text(failureDescription(code));
  if (!detail.empty()) text.append(": ").append(detail);
  return text;
}

std::string openFailureTitle(const ImportFailure& failure) { return "Errore " + failure.source; }

std::string openFailureText(const ImportFailure& failure, std::string_view fileName) {
  std::string text = "(Linea " + std::to_string(failure.line) + ") " +
                     std::to_string(failure.number()) + "\r\n" + failure.description();
  if (!fileName.empty()) text.append(": ").append(fileName);
  return text;
}

std::string gpxFailureText(const ImportFailure& failure) {
  return "Error number: " + std::to_string(failure.number()) + "\r\n" + failure.description() +
         "\r\nSource: " + failure.source + "\r\nError line: " + std::to_string(failure.line);
}

std::string nothingFoundText(std::string_view fileName) {
  return std::string(fileName) + ": no track or route was found.";
}

std::string notRecognisedText(std::string_view fileName) {
  return std::string(fileName) + ": not a GPX or OziExplorer PLT file.";
}

}  // namespace vianora
