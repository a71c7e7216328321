#include "screens/PendingEvents.h"

#include <SDL.h>

void DiscardPendingEvents() {
    SDL_Event stale;
    while (SDL_PollEvent(&stale)) {
    }
}
