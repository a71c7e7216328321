#pragma once
// The system clipboard, for level codes: the editor copies one and reads one the player pasted.
// On the desktop it goes through xclip or xsel, when one of them is installed; in a browser,
// through the page (the text of the player's paste, or the clipboard the browser lets it read).
#include <cstddef>
#include <optional>
#include <string>

namespace qv {

// Puts `text` on the clipboard; false when there is no way to (the player copies it by hand).
bool CopyToClipboard(const std::string& text);
// The clipboard's text, cut at `maxBytes`; nothing when it is empty or can't be read.
std::optional<std::string> ReadClipboard(std::size_t maxBytes);

}  // namespace qv
