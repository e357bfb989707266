#include "gamedata/filemessages.h"

#include <gtest/gtest.h>

using namespace vx;

// However a reason or a part ends, a message is whole sentences, each ending in one full stop,
// one space apart, the file named by its name alone.
TEST(FileMessages, SentencesEndInOneFullStopAndNameTheFileAlike)
{
    const struct {
        QString made, expected;
    } cases[] = {
        {cannotWriteFile("/a/b/Lotto.rtl", "No space left on device"),
            "The file Lotto.rtl could not be written: No space left on device."},
        {cannotReadFile("Cash5.rtl", "Permission denied. "),
            "The file Cash5.rtl could not be read: Permission denied."},
        {cannotOpenFile("/x/game1.dat", ""), "The file game1.dat could not be opened."},
        {cannotDeleteFile("e.lot", "Is a directory.."), "The file e.lot could not be deleted: Is a directory."},
        {fileLeftAsItWas("/app/Cash5.rtl"), "Cash5.rtl was left as it was."},
        {sentences({"The download failed: Connection closed", "The Midweek history has not been changed."}),
            "The download failed: Connection closed. The Midweek history has not been changed."},
        {sentences({"A mark must be at most 30 mm long.", "", " Nothing is printed"}),
            "A mark must be at most 30 mm long. Nothing is printed."},
        {sentences({"Replace it?", "Sure!"}), "Replace it? Sure!"},
        {sentence("  "), ""},
        {withoutFullStop("The file is damaged: it is cut short."), "The file is damaged: it is cut short"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.made, c.expected);
}
