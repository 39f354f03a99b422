#include "WidgetBox.h"

#include "HyperLink.h"
#include "PaneSample.h"
#include "torkExplorerBarCtl.h"

namespace zelvano::designer {

QString groupName() {
    return QStringLiteral("Zelvano Widgets");
}

const std::vector<WidgetEntry>& widgetEntries() {
    static const std::vector<WidgetEntry> entries = {
        {QStringLiteral("torkExplorerBarCtl"),
         QStringLiteral("Task pane: collapsible bars of clickable items"),
         QStringLiteral(
             "A vertical stack of collapsible bars, each with a title and a list of clickable "
             "links, plain text or hosted controls, with animated expand and collapse, "
             "hot-tracking and keyboard access. The program adds bars and items at run time "
             "through Bars(); the form stores only the pane's look."),
         QStringLiteral("torkExplorerBarCtl.h"),
         QStringLiteral(":/zelvano/designer/icons/taskpane.png"),
         // As wide as a window's side pane and tall enough for a few bars.
         QStringLiteral(R"(<ui language="c++">
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
)"),
         // In the designer the pane runs in its design-time form and shows a
         // sample bar; for a form loader it is the plain control.
         [](QWidget* parent, bool designer) -> QWidget* {
             if (!designer)
                 return new torkExplorerBarCtl(parent);
             auto* pane = new torkExplorerBarCtl(parent, torkExplorerBarCtl::Environment::Designer);
             addSampleBar(*pane);
             return pane;
         }},
        // The label needs no design-time form: it does nothing until the
        // pointer is over it, and clicks on a form in the designer never
        // reach it. No geometry: it sizes itself to its caption.
        {QStringLiteral("HyperLink"), QStringLiteral("Hyperlink label: opens its link on a click"),
         QStringLiteral(
             "A text label that looks and behaves like a web link: it takes its hover colour "
             "while the pointer is over it and hands its target (a web address, a mailto: "
             "address or a file) to the desktop on a click."),
         QStringLiteral("HyperLink.h"), QStringLiteral(":/zelvano/designer/icons/hyperlink.png"),
         QStringLiteral(R"(<ui language="c++">
 <widget class="HyperLink" name="hyperLink"/>
</ui>
)"),
         [](QWidget* parent, bool) -> QWidget* { return new HyperLink(parent); }},
    };
    return entries;
}

} // namespace zelvano::designer
