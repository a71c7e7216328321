// The two SDL-free error boxes, the sink that shows them and when desktop dialogs may appear.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/ErrorReport.h"
#include "platform/MessageDialog.h"
#include "support/ErrorRecorder.h"

namespace {

// The environment variables that decide about dialogs, restored after each test.
class DialogEnvironment : public ::testing::Test {
protected:
    static constexpr const char* kNames[] = {"DISPLAY", "CI", "QUORVELLAN_NO_DIALOGS"};

    void SetUp() override {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_.push_back(value ? std::make_unique<std::string>(value) : nullptr);
        }
    }
    void TearDown() override {
        for (size_t i = 0; i < saved_.size(); ++i) {
            Set(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
        }
    }
    static void Set(const char* name, const char* value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }

private:
    std::vector<std::unique_ptr<std::string>> saved_;
};

}  // namespace

TEST(ErrorReport, TitlesAndFatalHandler) {
    ErrorRecorder rec;
    int fatalCalls = 0;
    SetFatalHandler([&fatalCalls] { ++fatalCalls; });

    ReportError("Cannot open file ./x.txt.");
    EXPECT_EQ(fatalCalls, 0);
    ReportFatalError("Cannot load video settings.");
    EXPECT_EQ(fatalCalls, 1);
    SetFatalHandler(nullptr);
    ReportFatalError("No game state set.");  // no handler: only the box

    const std::vector<ErrorRecorder::Box> expected = {
        {"Error", "Cannot open file ./x.txt."},
        {"Fatal Error", "Cannot load video settings."},
        {"Fatal Error", "No game state set."},
    };
    EXPECT_EQ(rec.boxes, expected);
}

TEST_F(DialogEnvironment, DefaultSinkWritesOneLinePerBoxToStandardError) {
    Set("QUORVELLAN_NO_DIALOGS", "1");
    ErrorRecorder rec;
    ErrorSink* recorder = SetErrorSink(nullptr);  // the default sink for this test
    EXPECT_EQ(recorder, &rec);

    testing::internal::CaptureStderr();
    ReportError("Cannot load video settings.");
    ShowErrorBox("Error (SDL)", "Can't set the video mode. No video.");
    const std::string err = testing::internal::GetCapturedStderr();
    SetErrorSink(recorder);

    EXPECT_EQ(err,
              "Error: Cannot load video settings.\n"
              "Error (SDL): Can't set the video mode. No video.\n");
    EXPECT_TRUE(rec.boxes.empty());
}

TEST_F(DialogEnvironment, DialogsOnlyOnADesktopOutsideAutomation) {
    struct Case {
        const char* display;
        const char* ci;
        const char* noDialogs;
        bool allowed;
    };
    const Case cases[] = {
        {":0", nullptr, nullptr, true},   {nullptr, nullptr, nullptr, false},
        {"", nullptr, nullptr, false},    {":0", "true", nullptr, false},
        {":0", nullptr, "1", false},      {":0", "", "", true},  // empty counts as unset
    };
    for (const Case& c : cases) {
        Set("DISPLAY", c.display);
        Set("CI", c.ci);
        Set("QUORVELLAN_NO_DIALOGS", c.noDialogs);
        EXPECT_EQ(DesktopDialogsAllowed(), c.allowed)
            << (c.display ? c.display : "-") << ' ' << (c.ci ? c.ci : "-") << ' '
            << (c.noDialogs ? c.noDialogs : "-");
    }
}
