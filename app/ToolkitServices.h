#pragma once

#include <QString>

class QWidget;

namespace zelvano::app {

// Icon and button set of a message box, as the toolkit numbers them. Every box
// of the program has a single OK button.
enum class MessageStyle : int {
    Critical = 16,
    Information = 64,
};

// Show state of a window opened through the shell.
enum class ShowState : int {
    Hide = 0,
    Normal = 1,
};

struct VersionNumbers {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The services of the windowing toolkit that the window and the controls rely
// on. The program uses the Qt implementation; tests inject a recorder so that
// no test blocks on a modal box or starts a browser.
class ToolkitServices {
public:
    virtual ~ToolkitServices() = default;

    // Modal box with a single OK button; returns when it is dismissed.
    virtual void messageBox(const QString& prompt, MessageStyle style, const QString& title) = 0;

    // Hands `target` (a document, a web address or a "mailto:" address) to the
    // system shell with `verb`. Returns at once; the result says only whether
    // the request was handed on, and callers are free to ignore it.
    virtual bool shellExecute(QWidget* owner, const QString& verb, const QString& target,
                              const QString& workingFolder, ShowState show) = 0;

    // Folder of the executable, without a trailing separator.
    virtual QString programFolder() const = 0;
    virtual VersionNumbers version() const = 0;
};

} // namespace zelvano::app
