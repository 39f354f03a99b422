#pragma once

#include "Deployment.h"
#include "ToolkitServices.h"

#include <QString>

namespace zelvano::app {

// The about panel's line of the version numbers: "Version 3.2.2 build 84 for
// Microsoft Windows." The ".2" is fixed text, not a version field.
QString versionLine(const VersionNumbers& version, const QString& platformName);

// The donation request: seven lines separated by CR LF, the last without one.
QString donationText(const Deployment& values);

// The mail link's target: "mailto:" and the address.
QString mailTarget(const Deployment& values);

} // namespace zelvano::app
