#include "core/import/gpsbabel_formats.h"

namespace vianora {

namespace {

// The tab-separated fields of one line.
std::vector<std::string_view> fieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

constexpr std::size_t kTracksRead = 2;  // in the flags "rwrwrw"
constexpr std::size_t kRoutesRead = 4;

bool readsTracksOrRoutes(std::string_view flags) {
  return flags.size() == 6 && (flags[kTracksRead] == 'r' || flags[kRoutesRead] == 'r');
}

}  // namespace

std::vector<GpsBabelFormat> readableGpsBabelFormats(std::string_view listing) {
  std::vector<GpsBabelFormat> formats;
  while (!listing.empty()) {
    const auto end = listing.find('\n');
    const std::vector<std::string_view> fields = fieldsOf(listing.substr(0, end));
    listing.remove_prefix(end == std::string_view::npos ? listing.size() : end + 1);
    if (fields.size() >= 5 && fields[0] == "file" && readsTracksOrRoutes(fields[1])) {
      formats.push_back({std::string(fields[2]), std::string(fields[3]), std::string(fields[4])});
    }
  }
  return formats;
}

std::optional<std::vector<GpsBabelFormat>> installedGpsBabelFormats(
    const GpsBabelSettings& settings) {
  const ProgramRun run = runProgram({settings.program, "-^3"}, settings.limits);
  if (run.end != ProgramEnd::Exited || run.exitStatus != 0) return std::nullopt;
  return readableGpsBabelFormats(run.output);
}

}  // namespace vianora
