#pragma once
// Block encodings shared by the .hdm and .hdx formats: counted byte lists, the
// liftplan block, the expand block, the palette block and the note block.

#include "files/bytereader.h"
#include "files/bytewriter.h"
#include "model/draft.h"

namespace hm {

// Ends and picks that a file may set: 2..4800.
int ClampCount(int value);
// Ends or Picks taken from a list in an old file: min(n, 4800), at least 500.
int OldLayoutCount(int n);

// Counted byte list into a 1..4800 array: keeps the first min(N, 4800) values,
// sets the rest of the array to fill, skips the values beyond 4800. When target is
// null the list is skipped. Returns N.
int ReadCountedList(ByteReader& r, OneBasedBytes<MaxEnds>* target, uint8_t fill);
void WriteCountedList(ByteWriter& w, const OneBasedBytes<MaxEnds>& source, int count);

// Bytes per liftplan row for a width of w bits (w = 0 gives 1).
int LiftplanRowSize(int width);
// Liftplan block, plain case: rows replace the picks' rows, bits above the width
// and bytes after the row are cleared, picks after the file's rows are cleared.
// When select is false the block is skipped. Returns the file's row count N.
int ReadLiftplanBlock(ByteReader& r, Draft& d, int width, bool select);
void WriteLiftplanBlock(ByteWriter& w, const Draft& d, int width, int picks);

// The expand block (66 bytes); taken into the draft only when select is set.
void ReadExpandBlock(ByteReader& r, Draft& d, bool select);
void WriteExpandBlock(ByteWriter& w, const Draft& d);

// Palette block; with select the entries go into PaletteRGB (a 15-entry palette
// is converted from 64 levels) and Palette is rebuilt.
void ReadPaletteBlock(ByteReader& r, Draft& d, bool select);
void WritePaletteBlock(ByteWriter& w, const Draft& d);

// Note block; with select the note is replaced (emptied when the count is 0).
void ReadNoteBlock(ByteReader& r, Draft& d, bool select);
void WriteNoteBlock(ByteWriter& w, const Draft& d);

// Epi and Ppi of an old file from its cell proportions X and Y.
void OldCellProportions(Draft& d, int x, int y);

// Rounds num / den to the nearest integer, ties to even (den > 0, num >= 0).
int RoundHalfEven(long num, long den);

} // namespace hm
