#pragma once

class QCoreApplication;

namespace zelvano::app {

// The program's name, version and desktop entry as Qt reports them to the
// desktop, to QCommandLineParser and to the window system. Set before any of
// them is read; no application object is needed.
void identifyApplication();

// Answers --help (-h) and --version (-v) on stdout before the window's
// application object exists, so they work without a display, and then ends
// the process as QCommandLineParser does. Returns when neither is asked for.
void answerInformationRequest(int argc, char** argv);

// Checks the command line once the window's application object has taken
// Qt's own options (-platform, -style, ...): --help-all is answered and an
// unknown option ends the program with a message, as QCommandLineParser does.
void processCommandLine(const QCoreApplication& app);

} // namespace zelvano::app
