#pragma once

#include "Convert.h"

namespace zelvano::app {

class CategoryPanel;
class ToolkitServices;

// The click procedure of the eight convert buttons: checks the quantity,
// finds the selected pair of units, converts (or copies for equal units) and
// writes the result box; reports an empty quantity or a failed conversion in a
// message box and then leaves the result box as it was.
void convertClick(CategoryPanel& panel, ToolkitServices& services,
                  const convert::NumberSettings& numbers);

} // namespace zelvano::app
