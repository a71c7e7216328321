// The desktop's error boxes: one line on standard error, and when a dialog may appear.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/ErrorBoxes.h"
#include "platform/desktop/MessageDialog.h"
#include "support/ErrorRecorder.h"

using namespace qv;

namespace {

// The environment variables that decide about dialogs, restored after each test.
class DialogEnvironment : public ::testing::Test {
protected:
    static constexpr const char* kNames[] = {"DISPLAY", "CI", "QUORVELLAN_NO_DIALOGS"};

    void SetUp() override {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved.push_back(value ? std::make_unique<std::string>(value) : nullptr);
        }
    }
    void TearDown() override {
        for (size_t i = 0; i < saved.size(); ++i) {
            Set(kNames[i], saved[i] ? saved[i]->c_str() : nullptr);
        }
    }
    static void Set(const char* name, const char* value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }

private:
    std::vector<std::unique_ptr<std::string>> saved;
};

}  // namespace

TEST_F(DialogEnvironment, PlatformSinkWritesOneLinePerBoxToStandardError) {
    Set("QUORVELLAN_NO_DIALOGS", "1");
    ErrorRecorder rec;
    ErrorSink* recorder = SetErrorSink(&PlatformErrorSink());
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
