#pragma once

// What the window's tests need to know of the system they run on, where the
// answer differs between platforms. One file per platform.

#include <QAccessible>

namespace zelvano::app::test {

// Whether the system offers the Tahoma faces, regular and bold, that the
// window is made for, as the program finds them.
bool tahomaInstalled();

// Whether the Windows build runs under Wine rather than on Windows.
bool underWine();

// The event that hands an announcement to this platform's accessibility
// bridge.
QAccessible::Event announcementEvent();

} // namespace zelvano::app::test
