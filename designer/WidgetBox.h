#pragma once

// What the widget box shows of each control, as data: its name, texts, icon,
// default form XML and how it is made.

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace zelvano::designer {

// The widget-box group both controls are listed under.
QString groupName();

struct WidgetEntry {
    QString name; // the class name, as a form stores it
    QString toolTip;
    QString whatsThis;
    QString includeFile;
    QString icon;   // resource path
    QString domXml; // what a new control on a form starts with
    // Makes the control; `designer` once the form editor has initialised the
    // plugin, false for a form loader in a running program.
    std::function<QWidget*(QWidget* parent, bool designer)> create;
};

const std::vector<WidgetEntry>& widgetEntries();

} // namespace zelvano::designer
