#include "system/SystemMessages.h"

#include "system/MSubclass.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>

#include <windows.h>

namespace zelvano::pane {

namespace {

// WM_SETTINGCHANGE: Qt reacts to some of its kinds itself but tells widgets
// of none. Colour and theme changes have messages of their own that Qt does
// pass on (palette and theme change events).
class SettingsFilter final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "windows_generic_MSG")
            return false;
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_SETTINGCHANGE)
            return false;
        QWidget* window = QWidget::find(reinterpret_cast<WId>(msg->hwnd));
        if (window && window->isWindow() && MSubclass::isHooked(window))
            MSubclass::sendMessage(window, WindowMessage::SettingChange,
                                   static_cast<std::int32_t>(msg->wParam));
        return false; // Qt still handles it
    }
};

} // namespace

void forwardSystemMessages() {
    static bool installed = false;
    if (installed || !QCoreApplication::instance())
        return;
    installed = true;
    QCoreApplication::instance()->installNativeEventFilter(new SettingsFilter);
}

} // namespace zelvano::pane
