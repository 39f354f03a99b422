#pragma once

#include <functional>
#include <memory>

class QApplication;

namespace zelvano::app {

class frmMain;
class ToolkitServices;

// The start routine of the program and what it needs around it.
namespace modMain {

using WindowFactory = std::function<std::unique_ptr<frmMain>()>;

// Process-wide look: the window font everywhere (message boxes included) and,
// off Windows, a style whose metrics the fixed pixel layout was checked with.
void prepareApplication(QApplication& app);

// Prepares the common controls, creates and shows the main window. An error
// while creating or loading it is reported in one message box (error 364, a
// window unloaded while loading, without one); the result is then null and
// the program ends.
std::unique_ptr<frmMain> start(ToolkitServices& services, const WindowFactory& create);
std::unique_ptr<frmMain> start(ToolkitServices& services);

// The process entry: runs until the main window is closed.
int run(int argc, char** argv);

} // namespace modMain

} // namespace zelvano::app
