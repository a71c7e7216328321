// The options: --help and --version answer and stop with 0, anything else stops with a usage
// line and 2, and no option at all runs the game.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/CommandLine.h"

using namespace qv;

namespace {

// Reads `words` as the options; returns the outcome and what went to standard out and error.
CommandLine Read(std::vector<const char*> words, std::string* out, std::string* err) {
    words.insert(words.begin(), "quorvellan");
    std::ostringstream outStream, errStream;
    const CommandLine result = ReadCommandLine(static_cast<int>(words.size()), words.data(),
                                               "9.8.7", outStream, errStream);
    *out = outStream.str();
    *err = errStream.str();
    return result;
}

TEST(CommandLineTest, NoOptionRunsHelpAndVersionAnswer) {
    std::string out, err;
    EXPECT_TRUE(Read({}, &out, &err).run);
    EXPECT_EQ(out + err, "");
    for (const char* help : {"--help", "-h"}) {
        const CommandLine result = Read({help}, &out, &err);
        EXPECT_TRUE(!result.run && result.exitCode == 0 && err.empty()) << help;
        EXPECT_NE(out.find("--version"), std::string::npos) << out;
    }
    EXPECT_FALSE(Read({"--version"}, &out, &err).run);
    EXPECT_EQ(out, "quorvellan 9.8.7\n");
    for (const std::vector<const char*>& words :
         {std::vector<const char*>{"--level", "#L1.7"}, {"--level=#L1.7"}}) {
        const CommandLine result = Read(words, &out, &err);
        EXPECT_TRUE(result.run && err.empty());
        EXPECT_EQ(result.levelCode, "#L1.7");
    }
}

TEST(CommandLineTest, AnUnknownWordAnywhereGivesUsageAndTwo) {
    for (const std::vector<const char*>& words :
         {std::vector<const char*>{"--fullscreen"}, {"level.txt"}, {"--help", "-x"}, {""},
          {"--level"}}) {
        std::string out, err;
        const CommandLine result = Read(words, &out, &err);
        EXPECT_TRUE(!result.run && result.exitCode == 2 && out.empty()) << words.back();
        EXPECT_NE(err.find("Usage: quorvellan"), std::string::npos) << err;
    }
}

}  // namespace
