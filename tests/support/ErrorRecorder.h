#pragma once
// Records error boxes in-process for the lifetime of the object, so a test can assert on the
// exact title and text without anything reaching standard error or a dialog.
#include <string>
#include <utility>
#include <vector>

#include "util/ErrorReport.h"

using namespace qv;

class ErrorRecorder : public ErrorSink {
public:
    struct Box {
        std::string title;
        std::string text;
        bool operator==(const Box& other) const { return title == other.title && text == other.text; }
    };

    ErrorRecorder() : previous(SetErrorSink(this)) {}
    ~ErrorRecorder() override { SetErrorSink(previous); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    void Show(const std::string& title, const std::string& text) override {
        boxes.push_back({title, text});
    }

    std::vector<Box> boxes;

private:
    ErrorSink* previous;
};
