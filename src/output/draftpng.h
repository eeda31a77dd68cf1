#pragma once
// Save Draft as PNG: the draft's areas for a chosen range drawn on a grid of a
// chosen number of pixels per end, filled with marks or numbers, and written as
// a 24-bit PNG.

#include <QImage>
#include <QSize>

#include "output/draftpicture.h"
#include "output/imageexport.h"

namespace hm {

struct DraftPngChoice {
    DraftRange range;
    DraftFill fill;
    bool numbers = false;  // "Fill with Numbers"
    bool grayGrid = false; // "Gray Grid Color", else black
    int pixelsPerEnd = 10;
};

inline constexpr int MinPixelsPerEnd = 3;
inline constexpr int MaxPixelsPerEnd = 40;
// Numbers need cells of at least this many pixels; below it they give the
// notice "@nonumbers" and the marks are filled instead.
inline constexpr int MinPixelsForNumbers = 12;

// The command is not offered in Design mode.
bool DraftPngAvailable(const Draft& d);

// The dialog's start values: the proposed range from end and pick 1, every
// Fill box checked, no numbers, and the remembered pixels per end and grid
// colour.
DraftPngChoice DraftPngStart(const Draft& d, int visibleEnds, int visiblePicks,
                             const ExportMemory& memory);
// Keeps the pixels per end and grid colour of a dialog closed with OK.
void RememberDraftPng(ExportMemory& memory, const DraftPngChoice& choice);

bool NumbersFit(int pixelsPerEnd);
// Whether the numbers chosen cannot be drawn: "@nonumbers".
bool RefusesNumbers(const DraftPngChoice& c);

// The image's size: the picture's cells times the pixels per end, plus one.
QSize DraftPngSize(const Draft& d, const DraftPngChoice& c);

// The picture; a null image when it could not be made.
QImage DraftPngImage(const Draft& d, const DraftPngChoice& c);

// The PNG file's bytes; not ok when both counts are 0. Messages: the notice
// "@nonumbers" (the image is still made), "PNG Image Error - Out of Resources.".
ExportResult MakeDraftPng(const Draft& d, const DraftPngChoice& c);

} // namespace hm
