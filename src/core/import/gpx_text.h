#pragma once

#include <string>
#include <string_view>

namespace vianora {

/// The one text the GPX reader takes, made of the bytes of a GPX file read as comma-separated
/// fields: a field ends at a comma or a line end (CR, CR LF or a bare LF), blanks before a
/// field are skipped, and a field that begins with a double quote runs to the next double
/// quote and loses both quotes (what follows the closing quote stays in the field up to the
/// next comma or line end). Each field is followed by one blank; line feeds and tabs left
/// inside fields vanish. The text is never longer than the bytes and that last blank.
std::string prepareGpxText(std::string_view bytes);

}  // namespace vianora
