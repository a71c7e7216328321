#pragma once
// Where links to levels come from and go. The fragment itself is made and read by
// puzzle/LevelLink.h; a browser opens the game with it and copies new ones for the player.
#include <string>

namespace qv {

// The fragment of the address the game was opened with, without its '#'; empty when none.
std::string LevelLinkAtStart();

enum class LinkOffer {
    Copied,      // the whole link is on the clipboard
    Shown,       // the clipboard refused it; the page shows the link for the player to copy
    Unavailable  // this edition has no address to link to
};

// Makes a link of this edition's address and `fragment` and hands it to the player.
LinkOffer OfferLevelLink(const std::string& fragment);

// Tells the edition whether the player has edits that are not saved: a browser asks before a
// new link in the address replaces the game while there are.
void NoteUnsavedEdits(bool unsaved);

}  // namespace qv
