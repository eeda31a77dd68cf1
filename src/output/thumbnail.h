#pragma once
// The picture a file manager shows for a draft: the whole cloth as the Fabric
// view paints it, or the drawdown in black and white for a draft without
// colours of its own, scaled so that its larger side has the asked size.

#include <QImage>
#include <QSize>

#include "model/draft.h"
#include "model/message.h"

namespace hm {

inline constexpr int MaxThumbnailSide = 2048;

// False when every used end and pick keeps the colour a fresh draft gives it
// (the default index with its default palette colour), or when all of them
// show one and the same colour, so that the cloth would be a plain area.
bool ClothHasColours(const Draft& d, int ends, int picks);

// A picture of w x h pixels fitted so that its larger side is `side`; the
// smaller side keeps the proportions and is at least 1.
QSize ThumbnailSize(int w, int h, int side);

// Scales a picture of cells to `size`. Cells larger than a pixel keep sharp
// edges (they are repeated whole before the final smoothing); many cells to a
// pixel are averaged, as the eye sees cloth from a distance.
QImage ScaleCloth(const QImage& picture, QSize size);

// The thumbnail of the used extent; a null image and the notice "No Pattern"
// when no end or pick is used. In Design mode the liftplan is first made from
// the picture, as the Fabric view does, so the draft may change.
struct Thumbnail {
    QImage image;
    Messages messages;
};
Thumbnail MakeThumbnail(Draft& d, int side);

} // namespace hm
