#pragma once
// The note's text in a pattern file. Old files hold Windows-1252 bytes; newer
// ones may hold UTF-8. The note in the draft is UTF-8.

#include <string>

namespace hm {

// The longest note a pattern file keeps, in file bytes: the readers keep this
// many and drop the rest, so the notes editor stops here.
inline constexpr int MaxNoteFileBytes = 3000;

// Bytes from a file (up to, not including, the zero byte) to UTF-8: taken as
// UTF-8 when they are valid UTF-8 (a sequence cut off at the very end is
// dropped) and contain non-ASCII characters, else as Windows-1252.
std::string NoteFromFileBytes(const std::string& bytes);

// UTF-8 note to file bytes: Windows-1252 when every character fits and the
// result would not be read back as UTF-8, else UTF-8. The text stops at the
// first zero character, since the file ends the note with a zero byte.
std::string NoteToFileBytes(const std::string& utf8);

// The number of bytes the note takes in a file (what MaxNoteFileBytes limits).
inline int NoteFileLength(const std::string& utf8) {
    return static_cast<int>(NoteToFileBytes(utf8).size());
}

} // namespace hm
