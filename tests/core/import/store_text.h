#pragma once

#include <cstdio>
#include <string>

#include "core/import/import_failure.h"
#include "core/store/percorsi.h"

namespace vianora::test_support {

/// What reads left, as one text: each trip "name: lat,lon,alt[,day]; ..." (numbers as %g, the
/// day with six decimals and only when it is not 0), trips split by " | ".
inline std::string storeText(const Percorsi& store) {
  std::string text;
  for (const Percorso& trip : store.trips()) {
    text += (text.empty() ? "" : " | ") + trip.Nome + ":";
    for (const Punto& p : trip.Punti) {
      char point[96];
      std::snprintf(point, sizeof point, " %g,%g,%g", p.Latitudine, p.Longitudine, p.Altitudine);
      text += (&p == &trip.Punti.front() ? "" : ";") + std::string(point);
      if (p.DataOra != 0) text += "," + std::to_string(p.DataOra);
    }
  }
  return text;
}

/// A sink that writes each failure after `text` as " !number@line[ detail]".
inline FailureSink failureText(std::string& text) {
  return [&text](const ImportFailure& f) {
    text += " !" + std::to_string(f.number()) + "@" + std::to_string(f.line);
    if (!f.detail.empty()) text += " " + f.detail;
  };
}

}  // namespace vianora::test_support
