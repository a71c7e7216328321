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
        EXPECT_EQ(library->CurrentSetIndex(), set);
        EXPECT_EQ(library->CurrentLevelIndex(), level);
    }

    TempDir dir;
    ErrorRecorder errors;
    std::unique_ptr<TestLibrary> library;
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
    EXPECT_TRUE(library->LastLevelOfSetBeforeLast());
    EXPECT_FALSE(library->LastLevelOfLastSet());

    library->NextLevel();
    EXPECT_FALSE(library->LastLevelOfSetBeforeLast() || library->LastLevelOfLastSet());
    library->NextLevel();
    EXPECT_TRUE(library->LastLevelOfLastSet());
    EXPECT_FALSE(library->LastLevelOfSetBeforeLast());

    library->SelectSet(0);
    library->SelectLevel(8);
    EXPECT_FALSE(library->LastLevelOfSetBeforeLast() || library->LastLevelOfLastSet());
}
