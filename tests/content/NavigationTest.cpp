#include <gtest/gtest.h>

#include "ContentFiles.h"
#include "support/ErrorRecorder.h"

using namespace qv;

namespace {

// The tutorial and three sets of 2, 3 and 2 levels: four sets in use.
class Navigation : public testing::Test {
protected:
    void SetUp() override {
        WriteSets(dir, {2, 3, 2});
        library = MakeLibrary();
    }

    void ExpectAt(int set, int level) const {
        EXPECT_EQ(library->currentSet, &library->sets[set]);
        EXPECT_EQ(library->currentSetIndex, set);
        EXPECT_EQ(library->currentLevelIndex, level);
    }

    TempDir dir;
    ErrorRecorder errors;
    std::unique_ptr<LevelLibrary> library;
};

}  // namespace

TEST_F(Navigation, NextLevelRunsOnIntoTheNextNamedSet) {
    library->SelectSet(1);
    library->NextLevel();
    ExpectAt(1, 1);
    library->NextLevel();
    ExpectAt(2, 0);
    EXPECT_EQ(library->CurrentLevel().name, "s2-0");

    library->SelectSet(3);
    library->SelectLevel(1);
    library->NextLevel();  // set 4 is not named
    ExpectAt(3, 1);
    library->NextSet();
    ExpectAt(3, 1);
    EXPECT_TRUE(errors.boxes.empty());
}

TEST_F(Navigation, EndFlagsMarkTheLastLevelsOfTheLastTwoSets) {
    library->SelectSet(2);
    library->SelectLevel(2);
    EXPECT_TRUE(library->lastLevelOfSetBeforeLast);
    EXPECT_FALSE(library->lastLevelOfLastSet);

    library->NextLevel();
    EXPECT_FALSE(library->lastLevelOfSetBeforeLast || library->lastLevelOfLastSet);
    library->NextLevel();
    EXPECT_TRUE(library->lastLevelOfLastSet);
    EXPECT_FALSE(library->lastLevelOfSetBeforeLast);

    library->SelectSet(0);
    library->SelectLevel(8);
    EXPECT_FALSE(library->lastLevelOfSetBeforeLast || library->lastLevelOfLastSet);
}

TEST(Library, ResetReadsTheFilesAgain) {
    TempDir dir;
    ResetLibrary();
    EXPECT_EQ(Library().setCount, 6);
    WriteSets(dir, {1});
    ResetLibrary();
    EXPECT_EQ(Library().setCount, 2);
}
