#include <gtest/gtest.h>

#include <filesystem>

#include "ContentFiles.h"
#include "support/ErrorRecorder.h"

using namespace qv;

TEST(SetList, TwoEntriesGiveThreeSets) {
    TempDir dir;
    ErrorRecorder errors;
    WriteSets(dir, {2, 3});
    auto library = MakeLibrary();
    EXPECT_EQ(library->SetCount(), 3);
    EXPECT_EQ(library->Set(1).name, "set1");
    EXPECT_EQ(library->Set(1).listFile, "set1.txt");
    EXPECT_EQ(library->Set(3).name, "");
    // Every named set was loaded once; the walk ends on the tutorial's first level.
    EXPECT_EQ(library->Set(1).levelCount, 2);
    EXPECT_EQ(library->Set(2).levelCount, 3);
    EXPECT_EQ(library->CurrentSetIndex(), 0);
    EXPECT_EQ(library->CurrentLevel().name, "Setting Goals");
    EXPECT_TRUE(errors.boxes.empty());
}

TEST(SetList, MissingFileLeavesOnlyTheTutorial) {
    TempDir dir;
    auto library = MakeLibrary();
    EXPECT_EQ(library->SetCount(), 6);
    for (int s = 1; s < kMaxSets; ++s) EXPECT_EQ(library->Set(s).name, "") << s;
    library->SelectSet(1);
    EXPECT_EQ(library->CurrentSetIndex(), 0);
}

TEST(SetList, FirstIncompleteEntryEndsTheList) {
    TempDir dir;
    const std::string longest(49, 'n');
    dir.Write("Beta.txt", longest + "\na.txt\n" + std::string(60, 'm') + "\nb.txt\nc\nc.txt\n");
    auto library = MakeLibrary();
    EXPECT_EQ(library->Set(1).name, longest);
    EXPECT_EQ(library->SetCount(), 2);
    EXPECT_EQ(library->Set(2).name, "");

    // Entries after an empty one would be playable but never saved.
    dir.Write("Beta.txt", "a\na.txt\n\n\nb\nb.txt\n");
    library = MakeLibrary();
    EXPECT_EQ(library->SetCount(), 2);
    EXPECT_EQ(library->Set(3).name, "");
}

TEST(SetList, WindowsLineEndsAreNotPartOfNamesOrPaths) {
    TempDir dir;
    dir.Write("Beta.txt", "crlf\r\nlist.txt\r\n");
    dir.Write("list.txt", "one.level\r\n");
    dir.Write("one.level", LevelFileText("One"));
    auto library = MakeLibrary();
    library->SelectSet(1);
    EXPECT_EQ(library->Set(1).name, "crlf");
    EXPECT_EQ(library->Set(1).levelCount, 1);
    EXPECT_EQ(library->LevelAt(0).name, "One");
}

TEST(LevelList, EmptyLineLeavesAnUnusableSlot) {
    TempDir dir;
    ErrorRecorder errors;
    dir.Write("Beta.txt", "mine\nlist.txt\n");
    dir.Write("list.txt", "a\n\nb");
    dir.Write("a", LevelFileText("A"));
    dir.Write("b", LevelFileText("B"));
    auto library = MakeLibrary();
    library->SelectSet(1);
    EXPECT_EQ(library->Set(1).levelCount, 3);
    EXPECT_EQ(library->LevelAt(0).name, "A");
    EXPECT_EQ(library->LevelAt(2).name, "B");
    // The tutorial level that held slot 1 must not pass for a level of this set.
    EXPECT_EQ(library->LevelAt(1).name, "");
    EXPECT_EQ(library->LevelAt(1).filePath, "");
    library->NextLevel();
    EXPECT_EQ(library->CurrentLevelIndex(), 0);
    EXPECT_TRUE(errors.boxes.empty());
}

TEST(LevelList, TakesTheStatusesAndAtMostTwentyLevels) {
    TempDir dir;
    WriteSets(dir, {20});
    dir.Write("set1.txt", dir.Read("set1.txt") + "s1-0.level\n");  // a 21st line
    WriteProgress(dir, {0x02, 0x0C});  // set 1, level 16 solved
    auto library = MakeLibrary();
    library->SelectSet(1);
    EXPECT_EQ(library->Set(1).levelCount, 20);
    EXPECT_EQ(library->LevelAt(19).name, "s1-19");
    EXPECT_EQ(library->LevelAt(16).status, LevelStatus::Solved);
    EXPECT_EQ(library->LevelAt(15).status, LevelStatus::Open);
}

TEST(LevelList, OverlongPathEndsTheSet) {
    TempDir dir;
    ErrorRecorder errors;
    dir.Write("Beta.txt", "mine\nlist.txt\n");
    dir.Write("list.txt", "a\n" + std::string(300, 'p') + "\nb\n");
    dir.Write("a", LevelFileText("A"));
    dir.Write("b", LevelFileText("B"));
    auto library = MakeLibrary();
    library->SelectSet(1);
    EXPECT_EQ(library->Set(1).levelCount, 1);
    EXPECT_EQ(library->LevelAt(1).filePath, "");
    EXPECT_TRUE(errors.boxes.empty());  // the cut-off path is not tried
}

TEST(LevelList, MissingListFileKeepsTheCurrentLevel) {
    TempDir dir;
    dir.Write("Beta.txt", "lost\nnowhere.txt\n");
    auto library = MakeLibrary();
    library->SelectLevel(3);
    library->SelectSet(1);
    EXPECT_EQ(library->CurrentSetIndex(), 1);
    EXPECT_EQ(library->Set(1).levelCount, 20);
    for (int i = 0; i < kMaxLevelsPerSet; ++i) {
        const Level& level = library->LevelAt(i);
        EXPECT_EQ(level.name + level.filePath, "") << i;
    }
    EXPECT_EQ(library->CurrentLevelIndex(), 3);
}

TEST(LevelList, ALevelThatFailsToLoadKeepsNothingOfTheSlotsFormerLevel) {
    TempDir dir;
    ErrorRecorder errors;
    WriteSets(dir, {2});
    dir.Write("s1-1.level", "10 7\n");  // too big
    auto library = MakeLibrary();
    library->SelectSet(1);
    ASSERT_EQ(library->Set(1).levelCount, 2);
    const Level& failed = library->LevelAt(1);
    EXPECT_EQ(failed.filePath, "s1-1.level");
    EXPECT_EQ(failed.name, "New Level");  // not the tutorial's "Opaque" that the slot held
    EXPECT_TRUE(failed.introText.empty());
    EXPECT_TRUE(failed.picturePath.empty());
    EXPECT_EQ(failed.width, 0);
    // Once while the library was created, once now.
    ASSERT_EQ(errors.boxes.size(), 2u);
    EXPECT_EQ(errors.boxes[1].text, "Cannot load level s1-1.level. Level too big.");
}

// A list file may come with a shared level pack: a line that leads outside the game folder is
// named in a box, and its level is never read nor written. Nor are leftover saves removed from
// a folder outside that "Beta.txt" names for "be creative".
TEST(LevelList, APathLeadingOutsideTheGameFolderIsNeitherReadNorWritten) {
    TempDir dir;
    ErrorRecorder errors;
    const std::string absolute = dir.path() + "/absolute.level";
    const std::string above = "../" + std::filesystem::path(dir.path()).filename().string() + ".x";
    dir.Write("absolute.level", LevelFileText("Absolute"));
    dir.Write("sub/inside.level", LevelFileText("Inside"));
    dir.Write("Beta.txt", "pack\nsub/list.txt\nbe creative\n../elsewhere/list.txt\n");
    dir.Write("sub/list.txt",
              absolute + "\n" + above + "\nsub/../../x.level\nsub/./../sub/inside.level\n");
    auto library = MakeLibrary();
    library->SelectSet(1);
    const std::string why = " of sub/list.txt leads outside the game folder.";
    const std::vector<std::string> refused = {absolute + ". Line 1" + why, above + ". Line 2" + why,
                                              "sub/../../x.level. Line 3" + why};
    ASSERT_EQ(errors.boxes.size(), 6u) << "each when the library was created, and now";
    for (std::size_t i = 0; i < refused.size(); ++i)
        EXPECT_EQ(errors.boxes[3 + i].text, "Cannot load level " + refused[i]);
    EXPECT_EQ(library->LevelAt(3).name, "Inside");

    for (int i = 0; i < 3; ++i) {
        library->SelectLevel(i);
        EXPECT_EQ(library->CurrentLevel().name, "New Level") << "not read";
        EXPECT_FALSE(library->CurrentLevel().SaveLevel());
        EXPECT_EQ(errors.boxes.back().text, "Cannot save level " + refused[i]);
    }
    EXPECT_EQ(dir.Read("absolute.level"), LevelFileText("Absolute"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/" + above));
    EXPECT_EQ(library->SaveFolders(), std::vector<std::string>{"."});
}
