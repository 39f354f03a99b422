#pragma once

// The system colour table: what each system-colour index stands for in a
// Qt palette. The one place that decides it for every control.

#include <QColor>

class QPalette;

namespace zelvano {

// The colour a system-colour index stands for in `palette`. An index the
// table does not hold gives the palette's window text colour, which stays
// readable on any palette.
QColor systemColour(int index, const QPalette& palette);

} // namespace zelvano
