#pragma once
// Redo on the play screen: what undo took back, and the moves a restart took back, so that a
// restart made by mistake is undone like a move. The level's own play history stays the moves
// from its start (what the counter shows); this keeps what that history has lost.
#include <cstdint>
#include <vector>

#include "puzzle/Command.h"
#include "puzzle/Level.h"

namespace qv {

class RedoHistory {
public:
    // The player's move, made by the level; one that is made ends what could be redone.
    bool Move(Level& level, TilePos from, int16_t toX, int16_t toY);
    // Takes back the newest move, or the restart that emptied the history. False when there is
    // nothing to take back.
    bool Undo(Level& level);
    // Makes again what the last undo took back. False when there is nothing to redo.
    bool Redo(Level& level);
    // Back to the level's start as one step that Undo can take back; nothing when no move was
    // made. Like a move it ends what could be redone.
    void Restart(Level& level);
    bool CanRedo() const { return !redo.empty(); }
    // Forgets it all: the level was left, or another one is played.
    void Clear();

private:
    struct Step {
        bool restart = false;  // else `move`
        Command move;
    };
    std::vector<Step> redo;                // newest undo last
    std::vector<CommandHistory> restarts;  // the moves each restart took back, newest last

    // Makes a recorded move again; false when the level refuses it (a record that does not fit).
    static bool Remake(Level& level, const Command& move);
};

}  // namespace qv
