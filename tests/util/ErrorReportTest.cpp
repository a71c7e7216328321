// The error boxes without a platform: titles, the fatal handler, the standard error sink.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ErrorRecorder.h"
#include "util/ErrorReport.h"

using namespace qv;

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

TEST(ErrorReport, StandardErrorSinkWritesOneLinePerBox) {
    ErrorRecorder rec;
    SetErrorSink(nullptr);
    testing::internal::CaptureStderr();
    ReportError("Cannot open file ./x.txt.");
    const std::string err = testing::internal::GetCapturedStderr();
    SetErrorSink(&rec);
    EXPECT_EQ(err, "Error: Cannot open file ./x.txt.\n");
}
