# The Debian packages: `cpack -G DEB` in the build folder makes tavelor (the program in games/,
# menu entry, icons, manual, from the component "tavelor") and tavelor-data (pictures, sounds and
# help, the same on every architecture, from the component "daten").
set(CPACK_PACKAGE_NAME tavelor)
set(CPACK_PACKAGE_VENDOR "Tavelor")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture puzzle: put a scrambled picture back together")
set(CPACK_PACKAGE_DESCRIPTION [=[
Tavelor cuts a picture into 3 x 3 up to 6 x 6 tiles and scrambles them.
Put it back together with the mouse or the keyboard: slide tiles into the
empty field, shift whole rows and columns, or turn four tiles about their
axis. Any BMP, PNG, JPEG, GIF or WebP picture can be played. Moves and
seconds are counted and the best results kept; a hint shows the best next
move and the game can solve itself. Every text exists in German and
English.]=])
# Not the component "programm": that is the plain install's bin/.
set(CPACK_COMPONENTS_ALL tavelor daten)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_TAVELOR_PACKAGE_NAME tavelor)
set(CPACK_DEBIAN_DATEN_PACKAGE_NAME tavelor-data)
set(CPACK_DEBIAN_DATEN_PACKAGE_ARCHITECTURE all)
# The journal of games loads libsqlite3 on first use, so the package tools do not see it; 3.22
# reads a write-ahead log in a folder it cannot write.
set(CPACK_DEBIAN_TAVELOR_PACKAGE_DEPENDS "tavelor-data (= ${PROJECT_VERSION}), libsqlite3-0 (>= 3.22)")
# The long descriptions; CPack puts the summary above both.
set(CPACK_DEBIAN_TAVELOR_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_DATEN_DESCRIPTION "This package holds the sample pictures, the sounds and the German and
English help of Tavelor, a picture puzzle in three variants.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVELOR_BETREUER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TAVELOR_HEIMSEITE}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Sound loads libpulse when it is switched on; the high-score dialog asks for DejaVu by name;
# a Wayland-only session needs Qt's Wayland platform; WebP pictures need Qt's extra readers.
# Qt's own dialogs and buttons speak the game's language with Qt's translations.
set(CPACK_DEBIAN_TAVELOR_PACKAGE_RECOMMENDS "libpulse0, fonts-dejavu-core, qt6-wayland, qt6-image-formats-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)   # tavelor_<version>_<arch>.deb, tavelor-data_<version>_all.deb
if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  message(WARNING "A package should be made from an optimised build, not ${CMAKE_BUILD_TYPE}")
endif()
include(CPack)
