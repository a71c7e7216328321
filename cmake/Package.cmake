# The Debian package (QV_PACKAGE=ON, built by tools/package.sh): the program in
# /usr/lib/games/quorvellan, the launcher that lays out each player's game folder in
# /usr/games, the shipped data read-only in /usr/share/games/quorvellan, and what the desktop
# needs to list, show and document it.
set(QV_PROGRAM /usr/lib/games/quorvellan/quorvellan)
set(QV_SHIPPED_DATA /usr/share/games/quorvellan)
set(package_dir ${PROJECT_BINARY_DIR}/package)
configure_file(packaging/quorvellan.in ${package_dir}/quorvellan @ONLY)

# Debian wants the manual and the changelog compressed the reproducible way.
set(gzipped)
foreach(file quorvellan.6 changelog)
  add_custom_command(OUTPUT ${package_dir}/${file}.gz
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/${file} > ${package_dir}/${file}.gz
    DEPENDS packaging/${file} VERBATIM)
  list(APPEND gzipped ${package_dir}/${file}.gz)
endforeach()
add_custom_target(package_docs ALL DEPENDS ${gzipped})

install(TARGETS quorvellan DESTINATION lib/games/quorvellan)
# The toolchain's version notes (.comment) are of no use in an installed program.
install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/games/quorvellan/quorvellan\")")
install(PROGRAMS ${package_dir}/quorvellan DESTINATION games)
install(DIRECTORY data/ DESTINATION share/games/quorvellan)
install(FILES packaging/org.quorvellan.quorvellan.desktop DESTINATION share/applications)
install(FILES packaging/org.quorvellan.quorvellan.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES packaging/icons/quorvellan-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME quorvellan.png)
endforeach()
install(FILES ${package_dir}/quorvellan.6.gz DESTINATION share/man/man6)
install(FILES ${package_dir}/changelog.gz packaging/copyright DESTINATION share/doc/quorvellan)
install(FILES packaging/lintian-overrides DESTINATION share/lintian/overrides RENAME quorvellan)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvellan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_CONTACT "Quorvellan Developers <developers@quorvellan.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the game asks fontconfig for Arial, which Liberation
# Sans answers, its error boxes use zenity or else xmessage, and the editor's level codes go
# through xclip or xsel to the clipboard.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "zenity | x11-utils, xclip | xsel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour puzzle game of shapes that mix colours into tiles")
# CPack puts the summary first and indents the rest; an empty line separates paragraphs.
set(CPACK_PACKAGE_DESCRIPTION
"A red circle, a yellow star and a blue triangle stand on a board of at most
nine by seven coloured tiles, each with a home tile to reach. Shapes move one
tile at a time and mix their colour into the tiles they enter.

The game has a tutorial, three sets of levels, a level editor, hints from a
built-in solver, and music and sound made for it. Each player's progress and
levels are kept in ~/.local/share/quorvellan.")
include(CPack)
