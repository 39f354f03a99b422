#pragma once

#include "ToolkitServices.h"

#include <QUrl>

namespace zelvano::app {

// What the desktop is asked to open for a shell target: web and mail
// addresses as they are, documents as file URLs, relative ones taken from
// `workingFolder`. A document that does not exist gives an invalid URL: the
// request fails quietly instead of leaving the desktop to report it.
QUrl shellTargetUrl(const QString& target, const QString& workingFolder);

// The toolkit services on Qt: QMessageBox, QDesktopServices and
// QCoreApplication.
class QtToolkitServices final : public ToolkitServices {
public:
    void messageBox(const QString& prompt, MessageStyle style, const QString& title) override;
    bool shellExecute(QWidget* owner, const QString& verb, const QString& target,
                      const QString& workingFolder, ShowState show) override;
    QString programFolder() const override;
    VersionNumbers version() const override;
};

} // namespace zelvano::app
