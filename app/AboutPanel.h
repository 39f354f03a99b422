#pragma once

#include <QWidget>

class HyperLink;
class QGroupBox;
class QLabel;

namespace zelvano::app {

class ToolkitServices;
struct Deployment;

// The about panel, picAbout: the version line, the rights notice, the mail
// and home-page links, an etched rule and the donation request. Its texts
// come from the deployment values; only the version line is set later, when
// the window loads. The two links open through the toolkit's shell service.
class AboutPanel final : public QWidget {
    Q_OBJECT

public:
    AboutPanel(const Deployment& values, ToolkitServices& services, QWidget* parent);

    QLabel* versionLabel() const { return version_; }
    HyperLink* mailLink() const { return mail_; }
    HyperLink* homePageLink() const { return homePage_; }

private:
    QLabel* version_ = nullptr;
    HyperLink* mail_ = nullptr;
    HyperLink* homePage_ = nullptr;
};

} // namespace zelvano::app
