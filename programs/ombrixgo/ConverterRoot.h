#pragma once
// The converter's composition root: the folders are found first, then every
// object of the run is built once, the main window starts, and the event loop
// runs until the program ends.

#include <QStringList>

#include <string>

namespace ombrix {

// The text after the program's path: the arguments joined by single spaces,
// as the program stores names. A file name it cannot store is told to the
// user in a box and the command line taken as empty.
std::string CommandLineText(const QStringList& arguments);

// Runs the converter in an existing QApplication; the process's exit status.
int RunConverter();

} // namespace ombrix
