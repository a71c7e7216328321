#pragma once
// The SDL variants of the error boxes: the message, a blank, SDL's own error text and a stop.
#include <string>

namespace qv {

void ReportSdlError(const std::string& message);       // "Error (SDL)"
void ReportFatalSdlError(const std::string& message);  // "Fatal Error (SDL)", then the fatal handler

}  // namespace qv
