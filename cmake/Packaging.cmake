# The Debian package, made by `cpack -G DEB` in a Release build
# (scripts/package), and the facts about this release that the installed
# files share.

# The day this version was released: the man pages, the AppStream release and
# the package's changelog.
set(KESTRIVANE_RELEASE_DATE 2026-12-07)
set(KESTRIVANE_HOMEPAGE https://github.com/kestrivane/kestrivane)
set(KESTRIVANE_SCREENSHOT_URL ${KESTRIVANE_HOMEPAGE}/raw/main/resources/desktop/screenshot.png)
set(KESTRIVANE_MAINTAINER "Kestrivane maintainers <maintainers@kestrivane.github.io>"
  CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrivane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kestrivane)
set(CPACK_PACKAGE_CONTACT ${KESTRIVANE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reminder for the five daily prayers")
# The extended description, one line of the control file each.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Kestrivane computes the day's six prayer times for one location from the\n"
  "sun's position, shows them in a small window behind a tray icon, raises\n"
  "azan and iqamah alarms and prints a month's timetable with a Qiblah\n"
  "compass. Its tools print the times of a day or a month from the command\n"
  "line (kestrivane-times) and receive the alarm messages sent over the\n"
  "network (kestrivane-messenger).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KESTRIVANE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KESTRIVANE_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# notify-send, for kestrivane-messenger listen --notify; Noto Naskh Arabic and
# Noto Nastaliq Urdu, the faces Arabic and Urdu readers expect.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libnotify-bin, fonts-noto-core")
# The world city database Define Location's Find... and --city search (without it
# the program works and says so), and Qt's own texts (standard buttons) in the
# languages the program speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgweather-4-common, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# What every Debian package carries in its doc folder, compressed as Debian
# compresses it.
execute_process(COMMAND date -u -R -d ${KESTRIVANE_RELEASE_DATE}
  OUTPUT_VARIABLE KESTRIVANE_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
set(docs ${PROJECT_BINARY_DIR}/package-doc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${docs}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${docs}/changelog @ONLY)
add_custom_command(OUTPUT ${docs}/changelog.gz
  COMMAND gzip -9nkf ${docs}/changelog
  DEPENDS ${docs}/changelog
  VERBATIM)
add_custom_target(kestrivane_package_doc ALL DEPENDS ${docs}/changelog.gz)
install(FILES ${docs}/copyright ${docs}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
