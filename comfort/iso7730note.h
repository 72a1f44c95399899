// The note under PMV results that names the inputs outside the range of ISO 7730.
// The results stand; the note says the standard does not cover them (context
// "Iso7730Note").
#pragma once

#include "comfort/pmvrange.h"

#include <QString>

// One state: each quantity outside with its value and range; empty when none.
QString iso7730NoteText(const Iso7730Check &check);

// A table: how many of the computed rows lie outside and the first of them
// (row 1-based) with its quantities; empty when none.
QString iso7730TableNoteText(qint64 rowsOutside, qint64 rowsComputed, int firstRow,
                             const Iso7730Check &first);
