# Installation rules and the Debian packages (scripts/package runs CPack):
#   hexstead3d            the program as /usr/bin/hexstead3d, hexstead-cli, the
#                         texture archives, desktop entry, icons, AppStream
#                         metainfo, MIME type and manual pages
#   hexstead3d-lzw-tools  lzwpack, lzwunpack, bitdump and their manual pages
# Included only when the window program is built (H3D_GUI).

set(H3D_APP_ID org.hexstead3d.Hexstead3D)
set(H3D_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(H3D_COMPRESSED_DIR ${CMAKE_BINARY_DIR}/packaging)

# Manual pages and changelogs go into the packages compressed, without a
# time stamp, so that two builds give the same bytes.
set(compressed_files)
foreach(page IN ITEMS hexstead3d hexstead-cli lzwpack bitdump)
  list(APPEND compressed_files ${H3D_COMPRESSED_DIR}/${page}.1.gz)
  add_custom_command(
    OUTPUT ${H3D_COMPRESSED_DIR}/${page}.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${H3D_COMPRESSED_DIR}
    COMMAND gzip -9nc ${H3D_PACKAGING_DIR}/man/${page}.1 > ${H3D_COMPRESSED_DIR}/${page}.1.gz
    DEPENDS ${H3D_PACKAGING_DIR}/man/${page}.1
  )
endforeach()
add_custom_command(
  OUTPUT ${H3D_COMPRESSED_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${H3D_COMPRESSED_DIR}
  COMMAND gzip -9nc ${H3D_PACKAGING_DIR}/changelog > ${H3D_COMPRESSED_DIR}/changelog.gz
  DEPENDS ${H3D_PACKAGING_DIR}/changelog
)
list(APPEND compressed_files ${H3D_COMPRESSED_DIR}/changelog.gz)
# lzwunpack shares the page of lzwpack.
file(MAKE_DIRECTORY ${H3D_COMPRESSED_DIR})
file(CREATE_LINK lzwpack.1.gz ${H3D_COMPRESSED_DIR}/lzwunpack.1.gz SYMBOLIC)
add_custom_target(manual_pages ALL DEPENDS ${compressed_files})

# The packages are made from what the release build already built; `install`
# does not rebuild the whole tree first (scripts/package builds what it needs).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

# --- hexstead3d ------------------------------------------------------------
# The program takes the Debian-style name; install(PROGRAMS) does not strip,
# so a stripping install (CPack's) strips it here.
install(PROGRAMS $<TARGET_FILE:Hexstead> DESTINATION bin RENAME hexstead3d COMPONENT program)
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/hexstead3d\"
                  RESULT_VARIABLE strip_result)
  if(strip_result)
    message(FATAL_ERROR \"cannot strip bin/hexstead3d\")
  endif()
endif()" COMPONENT program)
install(TARGETS hexstead-cli RUNTIME DESTINATION bin COMPONENT program)
install(DIRECTORY ${H3D_DATA_DIR}/ DESTINATION share/hexstead3d COMPONENT program
        FILES_MATCHING PATTERN "*.tex")
install(FILES ${H3D_PACKAGING_DIR}/${H3D_APP_ID}.desktop DESTINATION share/applications COMPONENT program)
install(FILES ${H3D_PACKAGING_DIR}/${H3D_APP_ID}.metainfo.xml DESTINATION share/metainfo COMPONENT program)
install(FILES ${H3D_PACKAGING_DIR}/hexstead3d-mime.xml DESTINATION share/mime/packages
        RENAME hexstead3d.xml COMPONENT program)
install(DIRECTORY ${H3D_ICON_THEME_DIR}/ DESTINATION share/icons/hicolor COMPONENT program)
install(FILES ${H3D_COMPRESSED_DIR}/hexstead3d.1.gz ${H3D_COMPRESSED_DIR}/hexstead-cli.1.gz
        DESTINATION share/man/man1 COMPONENT program)

# --- hexstead3d-lzw-tools --------------------------------------------------
install(TARGETS lzwpack lzwunpack bitdump RUNTIME DESTINATION bin COMPONENT lzwtools)
install(FILES ${H3D_COMPRESSED_DIR}/lzwpack.1.gz ${H3D_COMPRESSED_DIR}/lzwunpack.1.gz
              ${H3D_COMPRESSED_DIR}/bitdump.1.gz
        DESTINATION share/man/man1 COMPONENT lzwtools)

foreach(component_package IN ITEMS program:hexstead3d lzwtools:hexstead3d-lzw-tools)
  string(REPLACE ":" ";" pair ${component_package})
  list(GET pair 0 component)
  list(GET pair 1 package)
  install(FILES ${H3D_PACKAGING_DIR}/copyright ${H3D_COMPRESSED_DIR}/changelog.gz
          DESTINATION share/doc/${package} COMPONENT ${component})
endforeach()

# --- CPack -----------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hexstead3d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Hexstead3D developers")
set(CPACK_PACKAGE_CONTACT "The Hexstead3D developers <hexstead3d@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program lzwtools)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME hexstead3d)
# Not "games": that section is for games, which Debian puts in /usr/games;
# this companion runs beside a game on the table and lives in /usr/bin.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION misc)
set(CPACK_COMPONENT_PROGRAM_DESCRIPTION
    "companion for a real game of a hex-tile trading board game
Hexstead3D follows a game of the hex-tile resource-trading board game played
at a real table. It shows the board in 3D; the players enter every dice total
and every action as it happens, and the program checks it against the rules,
keeps hands, the bank, points, Longest Road and Largest Army, logs the game
history with unlimited undo, stores finished games and shows 23 statistics
reports. Games are exchanged with other installations through export files.
.
The package also holds hexstead-cli, which reaches the stored games and
players from the shell.")

set(CPACK_DEBIAN_LZWTOOLS_PACKAGE_NAME hexstead3d-lzw-tools)
set(CPACK_DEBIAN_LZWTOOLS_PACKAGE_SECTION utils)
set(CPACK_COMPONENT_LZWTOOLS_DESCRIPTION
    "variable-width LZW compressor and bit printer from Hexstead3D
lzwpack compresses a file into an LZW code stream of 9 to 12 bit codes,
lzwunpack restores it, and bitdump prints the bits of any file as text,
least significant bit of each byte first.")

include(CPack)
