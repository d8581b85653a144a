#include "core/util/failure.h"

namespace vianora {

std::string_view failureDescription(FailureCode code) {
  switch (code) {
    case FailureCode::Overflow:
      return "Overflow";
    case FailureCode::OutOfMemory:
      return "Out of memory";
    case FailureCode::TypeMismatch:
      return "Type mismatch";
    case FailureCode::FileNotFound:
      return "File not found";
    case FailureCode::PathFileAccess:
      return "Path/File access error";
    case FailureCode::PointWithoutPosition:
      return "Point without a position";
    case FailureCode::GpsBabel:
      return "GPSBabel could not convert the file";
  }
  return "Application-defined or object-defined error";
}

}  // namespace vianora
