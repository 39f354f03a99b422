#pragma once

// The sample contents a task pane shows in the form designer, so that the
// form's author sees what they placed. Bars are never stored with a form:
// the program adds its own at run time.

class torkExplorerBarCtl;

namespace zelvano::designer {

void addSampleBar(torkExplorerBarCtl& pane);

} // namespace zelvano::designer
