// The readers' tests compare what a read left as one text.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/import/import_failure.h"
#include "core/store/percorsi.h"

namespace vianora::test_support {

/// Each trip "name: lat,lon,alt[,day]; ..." (numbers as %g, the day with six decimals and
/// only when it is not 0), trips split by " | ".
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

/// Collects failures as " !number@line[ detail]" each.
struct FailureText {
  std::string text;
  FailureSink sink() {
    return [this](const ImportFailure& f) {
      text += " !" + std::to_string(f.number()) + "@" + std::to_string(f.line);
      if (!f.detail.empty()) text += " " + f.detail;
    };
  }
};

}  // namespace vianora::test_support
