#include "TaskPanePlugin.h"

#include "PaneSample.h"
#include "WidgetBox.h"
#include "torkExplorerBarCtl.h"

#include <QIcon>

TaskPanePlugin::TaskPanePlugin(QObject* parent)
    : QObject(parent) {}

QString TaskPanePlugin::name() const {
    return QStringLiteral("torkExplorerBarCtl");
}

QString TaskPanePlugin::group() const {
    return zelvano::designer::groupName();
}

QString TaskPanePlugin::toolTip() const {
    return QStringLiteral("Task pane: collapsible bars of clickable items");
}

QString TaskPanePlugin::whatsThis() const {
    return QStringLiteral(
        "A vertical stack of collapsible bars, each with a title and a list of clickable "
        "links, plain text or hosted controls, with animated expand and collapse, "
        "hot-tracking and keyboard access. The program adds bars and items at run time "
        "through Bars(); the form stores only the pane's look.");
}

QString TaskPanePlugin::includeFile() const {
    return QStringLiteral("torkExplorerBarCtl.h");
}

QIcon TaskPanePlugin::icon() const {
    return QIcon(QStringLiteral(":/zelvano/designer/icons/taskpane.png"));
}

bool TaskPanePlugin::isContainer() const {
    return false;
}

QWidget* TaskPanePlugin::createWidget(QWidget* parent) {
    if (!initialized_)
        return new torkExplorerBarCtl(parent);
    auto* pane = new torkExplorerBarCtl(parent, torkExplorerBarCtl::Environment::Designer);
    zelvano::designer::addSampleBar(*pane);
    return pane;
}

bool TaskPanePlugin::isInitialized() const {
    return initialized_;
}

void TaskPanePlugin::initialize(QDesignerFormEditorInterface* core) {
    Q_UNUSED(core);
    initialized_ = true;
}

QString TaskPanePlugin::domXml() const {
    // A pane as wide as a window's side pane and tall enough for a few bars.
    return QStringLiteral(R"(<ui language="c++">
 <widget class="torkExplorerBarCtl" name="taskPane">
  <property name="geometry">
   <rect>
    <x>0</x>
    <y>0</y>
    <width>200</width>
    <height>320</height>
   </rect>
  </property>
 </widget>
</ui>
)");
}
