#pragma once

#include <QLocale>

class QCoreApplication;
class QTranslator;

namespace zelvano::app {

// Installs Qt's own catalogue (qtbase) for `locale` from the system's Qt
// translations folder, so that standard context menus, dialog buttons and
// dialogs speak the user's language. Returns the installed translator, owned
// by `app`, or null where the system has no catalogue for the language: Qt's
// texts then stay English.
QTranslator* installQtTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

} // namespace zelvano::app
