#pragma once

class QApplication;

namespace vianora::gui {

/// For measuring how soon a file given at start is on screen: when the environment variable
/// VIANORA_QUIT_AT_MAP_PAINT is set (to anything), the first paint of a trip window's map that
/// shows a track prints one line on stderr and ends the program:
///
///   map painted at <wall clock, ns since 1970>; <ms> ms after main
///
/// The wall clock lets a script subtract the time it launched the program, which counts the
/// loading of the program and its libraries too. Without the variable nothing is installed.
void quitAtFirstMapPaintIfAsked(QApplication& application);

}  // namespace vianora::gui
