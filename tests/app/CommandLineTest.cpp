// The options: answered ones stop the program with 0, anything unknown with a usage line and 2,
// and no option at all runs the game.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/CommandLine.h"

using namespace qv;

namespace {

struct Answer {
    CommandLine result;
    std::string out, err;
};

Answer Read(std::vector<const char*> words) {
    words.insert(words.begin(), "quorvellan");
    std::ostringstream out, err;
    Answer run{ReadCommandLine(static_cast<int>(words.size()), words.data(), "9.8.7", out, err),
            "", ""};
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(CommandLineTest, NoOptionRunsTheGameSilently) {
    const Answer run = Read({});
    EXPECT_TRUE(run.result.run);
    EXPECT_EQ(run.out + run.err, "");
}

TEST(CommandLineTest, HelpAndVersionAnswerAndStop) {
    for (const char* help : {"--help", "-h"}) {
        const Answer run = Read({help});
        EXPECT_FALSE(run.result.run);
        EXPECT_EQ(run.result.exitCode, 0);
        EXPECT_NE(run.out.find("--version"), std::string::npos) << run.out;
        EXPECT_EQ(run.err, "");
    }
    const Answer version = Read({"--version"});
    EXPECT_FALSE(version.result.run);
    EXPECT_EQ(version.out, "quorvellan 9.8.7\n");
}

TEST(CommandLineTest, AnUnknownWordAnywhereGivesUsageAndTwo) {
    for (const std::vector<const char*>& words :
         {std::vector<const char*>{"--fullscreen"}, {"level.txt"}, {"--help", "-x"}, {""}}) {
        const Answer run = Read(words);
        EXPECT_FALSE(run.result.run);
        EXPECT_EQ(run.result.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage: quorvellan"), std::string::npos) << run.err;
    }
}

}  // namespace
