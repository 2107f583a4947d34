# Debian package of the suite: `cpack -G DEB` in a build folder (see scripts/package).
# Included at the end of the top-level CMakeLists.txt, after every install rule.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mystorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Mystorin developers")
set(CPACK_PACKAGE_CONTACT "The Mystorin developers <maintainers@mystorin.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "readings from numerology and astrology, for entertainment")
set(CPACK_PACKAGE_DESCRIPTION
    "Mystorin is a suite of eleven desktop programs that give readings from
numerology and astrology: stars, lucky numbers, astrology, dreams and past
lives (Zendary), the compatibility of two people (Duovell), dating profiles
and a date book (Kismora), numerology odds for buying or selling a security
(Quorvex), hidden messages in a text (Lexivar), a horse's chances in a race
(Furlova), three biorhythm scales (Pulsara), six lottery numbers (Ballora),
intuition exercises (Psyvane) and a pet's good or bad day (Furrowen), all
started from one launcher.
.
All readings are for entertainment purposes only.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The DEB generator itself strips the programs and moves their debugging symbols into the
# mystorin-dbgsym package; files stripped at install time (CPACK_STRIP_FILES) would leave it
# nothing to move, and no -dbgsym package would be made.
set(CPACK_STRIP_FILES OFF)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Mystorin developers <maintainers@mystorin.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://mystorin.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts every window is drawn with (Liberation Serif; the zodiac symbols from DejaVu),
# so that an installed suite looks like its pictures; the libraries come from shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
# Qt's Wayland plugin: without it a Wayland session runs the suite through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/dbgsym-repair.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
