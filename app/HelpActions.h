#pragma once

#include "Deployment.h"
#include "Navigation.h"

#include <QString>

class QWidget;

namespace zelvano::app {

class ToolkitServices;

// The licence document beside the program: the program's folder, the
// platform's separator and "License.rtf".
QString licencePath(const QString& programFolder);

// What a help action hands to the shell.
QString helpTarget(HelpAction action, const QString& programFolder, const Deployment& values);

// Hands the action's target to the shell with the verb "open", the program's
// folder as working folder and the normal show state. The result is ignored:
// a missing document or a missing handler changes nothing on the screen.
void runHelpAction(HelpAction action, ToolkitServices& services, QWidget* owner);

} // namespace zelvano::app
