#pragma once
// Input that was queued for a screen which has just been left.

// Takes every pending event off the queue and drops it.
void DiscardPendingEvents();
