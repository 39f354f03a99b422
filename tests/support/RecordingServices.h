#pragma once

#include "ToolkitServices.h"

#include <vector>

namespace zelvano::app {

// Toolkit services for tests and the screenshot tool: records every message
// box and shell request instead of showing or starting anything.
class RecordingServices final : public ToolkitServices {
public:
    struct Message {
        QString prompt;
        MessageStyle style;
        QString title;
    };
    struct ShellRequest {
        QWidget* owner;
        QString verb;
        QString target;
        QString workingFolder;
        ShowState show;
    };

    void messageBox(const QString& prompt, MessageStyle style, const QString& title) override {
        messages_.push_back({prompt, style, title});
    }
    bool shellExecute(QWidget* owner, const QString& verb, const QString& target,
                      const QString& workingFolder, ShowState show) override {
        shellRequests_.push_back({owner, verb, target, workingFolder, show});
        return true;
    }
    QString programFolder() const override { return folder_; }
    VersionNumbers version() const override { return version_; }

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<ShellRequest>& shellRequests() const { return shellRequests_; }
    void clear() {
        messages_.clear();
        shellRequests_.clear();
    }
    void setProgramFolder(const QString& folder) { folder_ = folder; }
    void setVersion(VersionNumbers version) { version_ = version; }

private:
    std::vector<Message> messages_;
    std::vector<ShellRequest> shellRequests_;
    QString folder_ = QStringLiteral("/opt/zelvano");
    VersionNumbers version_{3, 2, 84};
};

} // namespace zelvano::app
