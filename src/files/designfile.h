#pragma once
// The design-picture companions of the pattern files: the .hdb design file
// (signature "HM") and BMP pictures.

#include <QIODevice>
#include <QString>

#include "files/patternio.h"
#include "model/draft.h"

namespace hm {

// Companion names: the pattern file's name without its extension, then ".hdb" /
// ".bmp" for an .hdm file and "_cd.hdb" / " cd.bmp" for an .hdx file.
enum class PatternFormat { Hdm, Hdx };
QString CompanionDesignFile(const QString& patternPath, PatternFormat format);
QString CompanionBitmap(const QString& patternPath, PatternFormat format);

// Reads an .hdb file into DesignGrid; nothing happens when it does not exist.
void ReadDesignFile(Draft& d, const QString& path, ReadResult& result);
// The same over any readable device.
void ReadDesignData(Draft& d, QIODevice& device, ReadResult& result);

// Reads a BMP picture into DesignGrid; nothing happens when the file does not
// exist. A companion picture is read with both axes reversed; a picture opened
// directly follows ThreadingFromRight and LiftplanFromBottom. Afterwards Design
// mode is on and the current file is to be forgotten.
void ReadDesignBitmap(Draft& d, const QString& path, bool companion, ReadResult& result);
// The same over bytes of a picture.
void ReadDesignBitmapData(Draft& d, const QByteArray& data, bool companion, ReadResult& result);

// The .hdb bytes of DesignGrid rows 1..min(picks, 2400), columns 1..min(ends, 2400).
QByteArray DesignFileBytes(const Draft& d);

} // namespace hm
