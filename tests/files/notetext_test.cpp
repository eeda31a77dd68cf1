// Note text encodings: Windows-1252 and UTF-8.
#include <gtest/gtest.h>

#include "files/notetext.h"

using namespace hm;

TEST(NoteText, ReadsWindows1252UnlessValidUtf8) {
    EXPECT_EQ(NoteFromFileBytes("plain"), "plain");
    EXPECT_EQ(NoteFromFileBytes("caf\xE9"), "caf\xC3\xA9");             // 1252 é
    EXPECT_EQ(NoteFromFileBytes("\x80 \x9F"), "\xE2\x82\xAC \xC5\xB8"); // € and Ÿ
    EXPECT_EQ(NoteFromFileBytes("\x81"), "\xC2\x81");                   // undefined byte kept
    EXPECT_EQ(NoteFromFileBytes("caf\xC3\xA9"), "caf\xC3\xA9");         // UTF-8 stays
    // Overlong and surrogate forms are not UTF-8.
    EXPECT_EQ(NoteFromFileBytes("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(NoteFromFileBytes("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
}

TEST(NoteText, UtfEightCutAtTheEndDropsOnlyTheCutCharacter) {
    EXPECT_EQ(NoteFromFileBytes("\xC3\xA4\xE2\x82"), "\xC3\xA4");
}

TEST(NoteText, WritesWindows1252WhenEverythingFits) {
    EXPECT_EQ(NoteToFileBytes("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
    EXPECT_EQ(NoteToFileBytes("\xE6\xBC\xA2"), "\xE6\xBC\xA2"); // does not fit: UTF-8
    // 1252 bytes that would be read as UTF-8 are written as UTF-8 instead.
    EXPECT_EQ(NoteToFileBytes("\xC3\x83\xC2\xA9"), "\xC3\x83\xC2\xA9");
    EXPECT_EQ(NoteToFileBytes(std::string("ab\0cd", 5)), "ab");
}
