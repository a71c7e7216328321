#include "render/MessageBoxes.h"

#include <memory>
#include <utility>

#include "render/MessageBoxState.h"

namespace qv {

void OpenMessageBox(ScreenContext& context, const std::string& title, const std::string& text,
                    SDL_Surface* picture) {
    context.screens.OpenBox(std::make_unique<MessageBoxState>(
        context, title, text, picture, std::vector<std::string>{kOkButtonFile}));
}

void OpenMessageBoxFromFile(ScreenContext& context, const std::string& title,
                            const std::string& text, const std::string& picturePath) {
    context.screens.OpenBox(std::make_unique<MessageBoxState>(
        context, title, text, picturePath, std::vector<std::string>{kOkButtonFile}));
}

void OpenOfferBox(ScreenContext& context, const std::string& title, const std::string& text,
                  const std::vector<std::string>& buttonFiles, BoxAnswer onAnswer) {
    context.screens.OpenBox(std::make_unique<MessageBoxState>(context, title, text,
                                                              static_cast<SDL_Surface*>(nullptr),
                                                              buttonFiles),
                            std::move(onAnswer));
}

void OpenChoiceBox(ScreenContext& context, const std::string& title, const std::string& text,
                   const std::vector<std::string>& buttonFiles, BoxAnswer onAnswer) {
    auto box = std::make_unique<MessageBoxState>(context, title, text,
                                                 static_cast<SDL_Surface*>(nullptr), buttonFiles);
    box->waitsForChoice = true;
    context.screens.OpenBox(std::move(box), std::move(onAnswer));
}

}  // namespace qv
