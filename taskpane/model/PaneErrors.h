#pragma once

// Numbered errors raised by the task pane's object model, its message hooks
// and its timers. All are zelvano::NumberedError; only descriptions and
// sources differ from the toolkit's run-time errors.

#include "RuntimeErrors.h"

#include <QString>

#include <cstdint>

namespace zelvano::pane {

// Last part of an error's source; the first part is the program's name.
enum class ErrorSource {
    Control,    // "<program>.torkExplorerBarCtl"
    ItemsIndex, // "<program>.cExplorerBarItems": only Index of an item
    WindowProc, // "<program>.WindowProc": message hooks and timers
};

// The running program's file name without its extension (empty before a
// QCoreApplication exists).
QString programName();

std::string errorSource(ErrorSource where);

// The pane's description of one of its errors (364, 9, 13, 457), else the
// toolkit's description of the number.
std::string_view paneErrorDescription(int number);

// Throws the pane error `number` (364, 9, 13, 457, or a toolkit number).
[[noreturn]] void raisePaneError(int number, ErrorSource where = ErrorSource::Control);

// Codes of the hook and timer services.
namespace HookError {
inline constexpr int CantSubclass = 13081;
inline constexpr int AlreadyHandled = 13082;
inline constexpr int InvalidWindow = 13083;
inline constexpr int ExternalWindow = 13084;
inline constexpr int TooManyTimers = 13651;
inline constexpr int CantCreateTimer = 13652;
} // namespace HookError

// 0x80040000 read as a signed 32-bit number.
inline constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);

// Error number of a hook/timer code: the object-error base plus the code,
// codes below 1001 unchanged.
constexpr std::int32_t objectErrorNumber(int code) {
    return code < 1001 ? code : kObjectErrorBase + code;
}

// Throws the hook/timer error `code` with source "<program>.WindowProc".
[[noreturn]] void raiseObjectError(int code);

} // namespace zelvano::pane
