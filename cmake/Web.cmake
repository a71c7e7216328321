# The web edition's build (configured by emcmake in tools/web.sh). Emscripten brings SDL 1.2 and
# its SDL_image, SDL_ttf and SDL_mixer as JavaScript of its own; these targets stand in for the
# desktop's pkg-config ones, so src/CMakeLists.txt names the same libraries on both.
foreach(lib SDL SDL_IMAGE SDL_TTF SDL_MIXER)
  add_library(PkgConfig::${lib} INTERFACE IMPORTED)
  set_target_properties(PkgConfig::${lib} PROPERTIES
    INTERFACE_COMPILE_OPTIONS "-sUSE_SDL=1" INTERFACE_LINK_OPTIONS "-sUSE_SDL=1")
endforeach()

# The font the page gives the game's text: Debian's fonts-liberation2, shipped with the site.
set(QV_WEB_FONT /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
    CACHE FILEPATH "Liberation Sans Regular, shipped with the web edition")

# clang's -Wconversion also counts signedness changes and narrowings to wasm32's 32-bit size_t
# and to SDL 1.2's 16-bit characters (emscripten's SDL hands them over in 32 bits), which the
# desktop's gcc build holds to its own rules; EM_JS bodies use '$' in names of their own.
add_compile_options(-Wno-sign-conversion -Wno-shorten-64-to-32 -Wno-implicit-int-conversion
                    -Wno-dollar-in-identifier-extension)
