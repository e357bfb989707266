#include "platform/filechooser.h"

#include <gtest/gtest.h>

using namespace vx::platform;
using FileChooserScript::Kind;

TEST(FileChooserScript, EachChooserTakesTheNextAnswerAndRecordsWhatItAsked)
{
    FileChooserScript::begin();
    FileChooserScript::answer("/results");
    FileChooserScript::cancel();
    FileChooserScript::answer("/app/slips.dat");
    EXPECT_EQ(ChooseFolder("Results folder", "/home"), "/results");
    EXPECT_EQ(ChooseOpenFile("Import", "/app", "Text (*.txt)"), "");
    EXPECT_EQ(ChooseSaveFile("Save layout", "/app", "Layouts (*.dat)"), "/app/slips.dat");
    EXPECT_EQ(FileChooserScript::unanswered(), 0);
    EXPECT_EQ(ChooseOpenFile("Again", "/x", "*"), ""); // the script has run out: Cancel
    EXPECT_EQ(FileChooserScript::unanswered(), 1);
    EXPECT_EQ(FileChooserScript::asked(),
        QList<FileChooserScript::Request>(
            {{Kind::Folder, "Results folder", "/home", ""}, {Kind::OpenFile, "Import", "/app", "Text (*.txt)"},
                {Kind::SaveFile, "Save layout", "/app", "Layouts (*.dat)"}, {Kind::OpenFile, "Again", "/x", "*"}}));
    FileChooserScript::end();
    EXPECT_FALSE(FileChooserScript::active());
    EXPECT_TRUE(FileChooserScript::asked().isEmpty());
}
