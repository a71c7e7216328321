#pragma once
#include <string>

namespace qv {

// True when a modal desktop dialog may be shown: a display exists and neither CI nor
// QUORVELLAN_NO_DIALOGS is set. Automated runs must never block on a box.
bool DesktopDialogsAllowed();

// Shows a modal error dialog (zenity, else xmessage) and waits until it is closed.
// Does nothing when dialogs are not allowed; a dialog program that fails is ignored.
void ShowDesktopDialog(const std::string& title, const std::string& text);

}  // namespace qv
