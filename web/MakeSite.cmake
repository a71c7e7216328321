# cmake -DSOURCE=web -DSITE=build-web/site -DDATA=data -DFONT=LiberationSans-Regular.ttf -P MakeSite.cmake
# The build number is a digest of everything the game fetches, so a changed file is never taken
# from a cache that holds the old one.
file(GLOB music RELATIVE ${DATA} ${DATA}/music/*.ogg)
set(sums "")
foreach(part quorvellan.js quorvellan.wasm quorvellan.data quorvellan-art.js quorvellan-art.data)
  file(MD5 ${SITE}/${part} sum)
  string(APPEND sums ${sum})
endforeach()
foreach(piece ${music})
  file(MD5 ${DATA}/${piece} sum)
  string(APPEND sums ${sum})
  configure_file(${DATA}/${piece} ${SITE}/${piece} COPYONLY)
endforeach()
string(MD5 BUILD "${sums}")
string(SUBSTRING ${BUILD} 0 12 BUILD)

foreach(file page.js manifest.webmanifest quorvellan-192.png quorvellan-512.png)
  configure_file(${SOURCE}/${file} ${SITE}/${file} COPYONLY)
endforeach()
configure_file(${DATA}/graphics/icon.png ${SITE}/icon.png COPYONLY)
configure_file(${SOURCE}/../LICENSE ${SITE}/LICENSE.txt COPYONLY)
get_filename_component(fonts ${FONT} DIRECTORY)
foreach(face Regular Bold)
  configure_file(${fonts}/LiberationSans-${face}.ttf ${SITE}/LiberationSans-${face}.ttf COPYONLY)
endforeach()
if(EXISTS /usr/share/doc/fonts-liberation2/copyright)
  configure_file(/usr/share/doc/fonts-liberation2/copyright ${SITE}/LiberationSans-LICENSE.txt COPYONLY)
endif()
configure_file(${SOURCE}/index.html ${SITE}/index.html @ONLY)

# What the service worker keeps as it installs: everything the game needs to start and show its
# menu. Music is kept as it is fetched.
set(START_FILES "[\"./\"")
foreach(file page.js quorvellan.js quorvellan.wasm quorvellan.data quorvellan-art.js
             quorvellan-art.data LiberationSans-Regular.ttf LiberationSans-Bold.ttf)
  string(APPEND START_FILES ", \"${file}?v=${BUILD}\"")
endforeach()
foreach(file manifest.webmanifest icon.png quorvellan-192.png quorvellan-512.png LICENSE.txt
             LiberationSans-LICENSE.txt)
  if(EXISTS ${SITE}/${file})
    string(APPEND START_FILES ", \"${file}\"")
  endif()
endforeach()
string(APPEND START_FILES "]")
configure_file(${SOURCE}/sw.js ${SITE}/sw.js @ONLY)
