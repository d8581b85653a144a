#include "core/import/gpx_text.h"

#include "core/import/gpx_fields.h"

namespace vianora {

std::string prepareGpxText(std::string_view bytes) {
  std::string text(bytes.size() + 1, ' ');  // room for the blank after the last field
  GpxFieldReader<GpxTextWriter> fields(GpxTextWriter{text.data()});
  fields.read(bytes, 0, bytes.size());
  fields.finish();
  text.resize(fields.written());
  return text;
}

}  // namespace vianora
