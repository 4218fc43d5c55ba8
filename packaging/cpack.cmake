# `cpack -G DEB` in the build folder makes ortix_<version>_amd64.deb.
# scripts/make-package.sh builds it the way the README says.
set(CPACK_PACKAGE_NAME ortix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ortix developers")
set(CPACK_PACKAGE_CONTACT ${ORTIX_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "place-value exercises on a counting frame")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ORTIX_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binary (dpkg-shlibdeps); the fonts the windows
# are designed in are named here, since no binary links them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation2")
# The voice that reads the numbers speaks through Qt's speech-dispatcher
# plugin, which no binary links; without it the program stays silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The summary above is the first line; this is the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Ortix teaches primary-school pupils place value with a counting frame:
vertical rods, one per decimal place, with coloured beads. Pupils build a
shown number by clicking under the rods, or read the beads and type the
number in digits or in words. Every answer gets a right or wrong picture,
a short sound and a score.
.
The menu offers four kinds of exercise in five ranges, from units to the
thousands period, and a free counting frame that can be printed. Every text
comes from a language file (Italian, English, French, German, Spanish and
Albanian) and can be switched while the program runs; a pupil's choice is
kept per user. A voice can read the numbers aloud for pupils who cannot read
yet.")

include(CPack)
