#include "platform/LevelLinks.h"

namespace qv {

// Links lead to the web edition's page; the desktop game has no address of its own.
std::string LevelLinkAtStart() { return {}; }

LinkOffer OfferLevelLink(const std::string&) { return LinkOffer::Unavailable; }

void NoteUnsavedEdits(bool) {}

}  // namespace qv
