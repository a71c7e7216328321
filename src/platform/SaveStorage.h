#pragma once
// Where the files the game writes outlive it. On the desktop the game folder itself does. In a
// browser the folder is rebuilt from the site's data package at every load, so each file the
// game replaces (progress, records, the player's levels) is also kept in the browser's storage
// and put back over the shipped one at the next load; nothing else is ever kept there.
namespace qv {

// Puts the kept files back into the working folder and keeps every file ReplaceFile writes
// from now on, failing the write when it can't be kept. Runs before anything reads the folder;
// calling it again changes nothing.
void OpenSaveStorage();

}  // namespace qv
