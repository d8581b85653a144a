#include "core/import/gpsbabel_import.h"

namespace vianora {

std::vector<GpsBabelFormat> readableGpsBabelFormats(std::string_view) { return {}; }

std::optional<std::vector<GpsBabelFormat>> installedGpsBabelFormats(const GpsBabelSettings&) {
  return std::nullopt;
}

std::vector<std::string> gpsBabelArguments(const GpsBabelSettings&, std::string_view,
                                           const std::string&) {
  return {};
}

ImportOutcome importWithGpsBabel(Percorsi&, std::string_view, const std::string&,
                                 const FailureSink&, const ProgressFn&, const StopRequest&,
                                 const GpsBabelSettings&) {
  return ImportOutcome::NotRecognised;
}

}  // namespace vianora
