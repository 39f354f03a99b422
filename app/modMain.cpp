#include "modMain.h"

#include "AppFont.h"
#include "Messages.h"
#include "Platform.h"
#include "QtToolkitServices.h"
#include "QtTranslations.h"
#include "RuntimeErrors.h"
#include "SchemeStyle.h"
#include "StartOptions.h"
#include "frmMain.h"

#include <QApplication>

#include <new>

namespace zelvano::app::modMain {

void prepareApplication(QApplication& app) {
    followSchemeStyle(app);
    QApplication::setFont(windowFont());
    identifyApplication();
}

std::unique_ptr<frmMain> start(ToolkitServices& services, const WindowFactory& create) {
    int error = 0;
    QString description;
    std::unique_ptr<frmMain> window;
    try {
        platform::initCommonControls();
        window = create();
        if (!window) // nothing to show: the same as a window unloaded while loading
            raiseRuntimeError(RuntimeError::ObjectUnloaded, "modMain");
        window->show();
    } catch (const NumberedError& e) {
        error = e.number();
        description = QString::fromStdString(e.description());
    } catch (const std::bad_alloc&) {
        error = RuntimeError::OutOfMemory;
        description = QString::fromUtf8(runtimeErrorDescription(error));
    } catch (const std::exception& e) {
        error = RuntimeError::InvalidCall;
        description = QString::fromUtf8(e.what());
    }
    if (error == 0)
        return window;
    window.reset();
    if (error != RuntimeError::ObjectUnloaded)
        services.messageBox(errorPrompt(error, description), MessageStyle::Critical,
                            programTitle());
    return nullptr;
}

std::unique_ptr<frmMain> start(ToolkitServices& services) {
    return start(services, [&services] { return std::make_unique<frmMain>(services); });
}

int run(int argc, char** argv) {
    answerInformationRequest(argc, argv);
    QApplication app(argc, argv);
    processCommandLine(app);
    prepareApplication(app);
    installQtTranslations(app);
    QtToolkitServices services;
    const std::unique_ptr<frmMain> window = start(services);
    if (!window)
        return 1;
    // Closing the window ends the loop: nothing is asked and nothing is written.
    return QApplication::exec();
}

} // namespace zelvano::app::modMain
