#pragma once

#include "ToolkitServices.h"

#include <QUrl>

namespace zelvano {

// What the desktop is asked to open for a shell target: web and mail
// addresses as they are, documents as file URLs, relative ones taken from
// `workingFolder`. A document that does not exist gives an invalid URL: the
// request fails quietly instead of leaving the desktop to report it.
QUrl shellTargetUrl(const QString& target, const QString& workingFolder);

// The toolkit services on Qt: QMessageBox, QDesktopServices, the application's
// override cursor and QCoreApplication.
class QtToolkitServices final : public ToolkitServices {
public:
    QtToolkitServices() = default;
    ~QtToolkitServices() override;
    QtToolkitServices(const QtToolkitServices&) = delete;
    QtToolkitServices& operator=(const QtToolkitServices&) = delete;

    void messageBox(const QString& prompt, MessageStyle style, const QString& title) override;
    bool shellExecute(QWidget* owner, const QString& verb, const QString& target,
                      const QString& workingFolder, ShowState show) override;
    int screenPointer() const override { return pointer_; }
    void setScreenPointer(int code) override;
    QString programFolder() const override;
    VersionNumbers version() const override;

private:
    int pointer_ = ScreenPointer::Default;
    bool overridden_ = false; // one entry of Qt's override-cursor stack is ours
};

} // namespace zelvano
