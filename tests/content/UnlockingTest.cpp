#include <gtest/gtest.h>

#include "ContentFiles.h"
#include "support/ErrorRecorder.h"

using namespace qv;

namespace {

// A fresh installation with the tutorial, one set of four levels and a last set of two.
class Unlocking : public testing::Test {
protected:
    void SetUp() override {
        WriteSets(dir, {4, 2});
        library = MakeLibrary();
        library->CreateDefaultProgress();
    }

    std::vector<LevelStatus> Statuses(int set, int count) const {
        const auto& table = library->Set(set).levelStatus;
        return std::vector<LevelStatus>(table.begin(), table.begin() + count);
    }

    TempDir dir;
    ErrorRecorder errors;
    std::unique_ptr<TestLibrary> library;
};

constexpr LevelStatus O = LevelStatus::Open;
constexpr LevelStatus L = LevelStatus::Locked;
constexpr LevelStatus S = LevelStatus::Solved;

}  // namespace

TEST_F(Unlocking, SolvingOpensTheNextLockedLevelOnly) {
    library->SelectSet(0);
    library->MarkCurrentSolved();
    EXPECT_EQ(Statuses(0, 4), (std::vector<LevelStatus>{S, O, L, L}));
    EXPECT_EQ(library->LevelAt(1).status, O);
    EXPECT_EQ(Statuses(1, 4), (std::vector<LevelStatus>{L, L, L, L}));
}

TEST_F(Unlocking, SolvingTheWholeSetOpensThreeLevelsOfTheNext) {
    SetStatus(*library, 1, 1, S);  // solved earlier stays solved
    library->SelectSet(0);
    for (int i = 0; i < 8; ++i) {
        library->SelectLevel(i);
        library->MarkCurrentSolved();
    }
    EXPECT_EQ(Statuses(0, 9), (std::vector<LevelStatus>{S, S, S, S, S, S, S, S, O}));
    EXPECT_EQ(Statuses(1, 4), (std::vector<LevelStatus>{L, S, L, L}));

    library->SelectLevel(8);
    library->MarkCurrentSolved();
    EXPECT_EQ(library->Set(0).Status(), S);
    EXPECT_EQ(Statuses(1, 4), (std::vector<LevelStatus>{O, S, O, L}));
    // The next set's working copies take the table when it is loaded.
    library->NextLevel();
    EXPECT_EQ(library->CurrentSetIndex(), 1);
    EXPECT_EQ(library->LevelAt(3).status, L);
}

TEST(SetStatus, SummarisesTheLevelsInUse) {
    LevelSet set;
    EXPECT_EQ(set.Status(), S);  // no levels
    set.levelCount = 3;
    set.levelStatus = {S, L, S, O};  // the fourth is not in use
    EXPECT_EQ(set.Status(), L);
    set.levelStatus[2] = O;
    EXPECT_EQ(set.Status(), O);
    set.levelStatus = {S, S, S, L};
    EXPECT_EQ(set.Status(), S);
}
