#pragma once
// The stand-alone editor's composition root: its folders, language, settings
// store and services, and the one editor window.

#include <QStringList>

#include <string>

namespace ombrix {

// The command line as one file name: the arguments after the program's name
// joined by single blanks, as a stored name. A name the program cannot store
// is told to the user in a box and taken as no name at all.
std::string EditorCommandLine(const QStringList& arguments);

// Runs the program; returns its exit code.
int RunEditor();

} // namespace ombrix
