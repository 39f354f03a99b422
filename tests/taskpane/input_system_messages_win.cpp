// The system's own settings messages, sent to the pane's top-level window as
// Windows sends them, reach the pane as a settings change.

#include "input_support.h"

#include <QSignalSpy>

#include <windows.h>

using namespace inputtest;

namespace {

struct SystemMessage {
    const char* name;
    UINT message;
    const wchar_t* area; // WM_SETTINGCHANGE's lParam
};

class SystemMessages : public PaneFixture, public ::testing::WithParamInterface<SystemMessage> {};

TEST_P(SystemMessages, RaiseSettingChange) {
    fillMainWindow();
    show();
    QSignalSpy settings(pane, &torkExplorerBarCtl::SettingChange);
    const auto hwnd = reinterpret_cast<HWND>(window.winId());
    SendMessageW(hwnd, GetParam().message, 0, reinterpret_cast<LPARAM>(GetParam().area));
    QTest::qWait(50);
    EXPECT_EQ(settings.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SystemMessages,
    testing::Values(SystemMessage{"SettingChange", WM_SETTINGCHANGE, nullptr},
                    SystemMessage{"NonClientMetrics", WM_SETTINGCHANGE, L"WindowMetrics"},
                    SystemMessage{"ThemeChanged", WM_THEMECHANGED, nullptr},
                    SystemMessage{"SystemColours", WM_SYSCOLORCHANGE, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
