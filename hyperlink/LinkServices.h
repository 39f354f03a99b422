#pragma once

// The two things a click asks of the world outside the control: the system
// shell's open operation and a short sound. Both are replaceable per control,
// so the program can route opening through its own shell service and tests
// can record instead of launching a browser or playing audio.

#include <QString>

#include <cstdint>
#include <functional>

class QObject;

namespace zelvano::link {

// Hands `target` (a web address, a "mailto:" address or a file) to the shell
// with `verb`. The result is not examined; the call must not block on the
// opened program.
using ShellOpen = std::function<void(const QString& verb, const QString& target)>;

// Starts playing the sound resource at `resourcePath` and returns at once.
using SoundPlayer = std::function<void(const QString& resourcePath)>;

// Opens through the desktop's URL handler. Relative file names are taken from
// the current folder, as the shell does.
void desktopOpen(const QString& verb, const QString& target);

// Sounds are resources of type "SOUND" named by decimal ID: the program's
// resource file lists them under the prefix "/SOUND", e.g. ":/SOUND/101".
QString soundResourcePath(std::int32_t soundId);
bool soundResourceExists(std::int32_t soundId);

// Plays a sound resource without blocking through a player owned by `owner`;
// a second sound replaces the first. Does nothing without a sound backend.
void playSoundResource(const QString& resourcePath, QObject* owner);

} // namespace zelvano::link
