#pragma once

// What the two controls share in the widget box.

#include <QString>

namespace zelvano::designer {

// The widget-box group both controls are listed under.
QString groupName();

} // namespace zelvano::designer
