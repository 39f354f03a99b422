#pragma once

#include <string>
#include <vector>

// What differs between platforms in how the tool meets its caller, one file
// per platform.
namespace zelvano::cli::process {

// The arguments after the program's name, in UTF-8. On Windows they are read
// from the wide command line, so no caption is lost to a code page.
std::vector<std::string> arguments(int argc, char** argv);

// Makes the standard streams carry bytes as written (no line-end translation)
// and a console show UTF-8 text.
void prepareStandardStreams();

} // namespace zelvano::cli::process
