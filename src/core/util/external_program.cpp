#include "core/util/external_program.h"

namespace vianora {

ProgramRun runProgram(const std::vector<std::string>&, const ProgramLimits&, const KeepRunning&) {
  return {};
}

}  // namespace vianora
