#pragma once

#include <QString>

#include "core/pair/pair.h"
#include "io/fileoutcome.h"

// Pair files (.pair): UTF-8 JSON holding both gears, each as a gear file holds it, and the
// pair's own inputs:
//   {"format": "geardim-pair", "version": 1, "gear1": {gear file}, "gear2": {gear file},
//    "pair": {"centreDistance": …, "centreDistanceUpper": …, "centreDistanceLower": …, "faceWidth": …}}
namespace geardim {

// The gear of a gear file as the pair's gear, with what it shares with its mate (module or
// diametral pitch, pressure and helix angle, addendum) put into pair. Refused, in words, when
// the gear is internal, or when pair already holds a gear of another module, pressure
// angle or helix angle (which: 1 or 2).
FileOutcome<PairGear> pairGearOf(const SheetInput &gear, PairInput &pair, int which, bool shared);

// Reads a pair file; refuses what readJsonFile refuses, another format, a newer major version,
// unknown keys, values of the wrong type, gears that do not mesh as a pair.
FileOutcome<PairInput> readPairFile(const QString &path);

// Writes the pair all or nothing, the old file untouched on failure.
FileDone writePairFile(const QString &path, const PairInput &pair);

// The gear of the pair as a gear file holds it (its sheet's inputs).
SheetInput pairGearAsSheet(const PairInput &pair, int which);

} // namespace geardim
