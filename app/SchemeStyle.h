#pragma once

class QApplication;

namespace zelvano::app {

// Gives the application the style for the colour scheme in force
// (createAppStyle), and a new one whenever the scheme changes to or from high
// contrast while the program runs. Calling it again only sets the style anew.
void followSchemeStyle(QApplication& app);

} // namespace zelvano::app
