#include "model/PaneErrors.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace zelvano::pane {

namespace {

struct Description {
    int number;
    std::string_view text;
};

// The pane words its errors differently from the toolkit.
constexpr std::array kPaneDescriptions{
    Description{zelvano::RuntimeError::ObjectUnloaded, "Object has been unloaded."},
    Description{zelvano::RuntimeError::SubscriptOutOfRange, "Subscript out of range."},
    Description{zelvano::RuntimeError::TypeMismatch, "Type Mismatch."},
    Description{zelvano::RuntimeError::DuplicateKey,
                "This key is already associated with an element of this collection."},
};

// "10 timers" is the wording hosts know, although the registry holds 100.
constexpr std::array kObjectDescriptions{
    Description{HookError::CantSubclass, "Can't subclass window"},
    Description{HookError::AlreadyHandled, "Message already handled by another class"},
    Description{HookError::InvalidWindow, "Invalid window"},
    Description{HookError::ExternalWindow, "Can't modify external window"},
    Description{HookError::TooManyTimers, "No more than 10 timers allowed per class"},
    Description{HookError::CantCreateTimer, "Can't create system timer"},
};

template <std::size_t N>
const Description* find(const std::array<Description, N>& table, int number) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [number](const Description& d) { return d.number == number; });
    return it != table.end() ? &*it : nullptr;
}

} // namespace

QString programName() {
    if (!QCoreApplication::instance())
        return {};
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

std::string errorSource(ErrorSource where) {
    const char* last = "torkExplorerBarCtl";
    if (where == ErrorSource::ItemsIndex)
        last = "cExplorerBarItems";
    else if (where == ErrorSource::WindowProc)
        last = "WindowProc";
    return programName().toStdString() + '.' + last;
}

std::string_view paneErrorDescription(int number) {
    if (const Description* d = find(kPaneDescriptions, number))
        return d->text;
    return zelvano::runtimeErrorDescription(number);
}

void raisePaneError(int number, ErrorSource where) {
    throw zelvano::NumberedError(number, std::string(paneErrorDescription(number)),
                                 errorSource(where));
}

void raiseObjectError(int code) {
    const Description* d = find(kObjectDescriptions, code);
    const std::string_view text = d ? d->text : zelvano::runtimeErrorDescription(code);
    throw zelvano::NumberedError(objectErrorNumber(code), std::string(text),
                                 errorSource(ErrorSource::WindowProc));
}

} // namespace zelvano::pane
