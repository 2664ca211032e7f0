# Installation and packages. Only the program is installed: the project libraries are static
# and linked into it; tests and benchmarks stay in the build tree.
#   Linux:   bin/plotmere, a desktop entry and a scalable icon; `cpack -G DEB` (make package).
#   Windows: bin/plotmere.exe with the Qt libraries and plugins windeployqt copies beside it;
#            `cpack -G ZIP`.
include(GNUInstallDirs)

install(TARGETS plotmere RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/plotmere.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/plotmere.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

if(WIN32)
  # windeployqt copies the Qt DLLs and plugins the program needs next to the installed .exe,
  # so the install tree, and a ZIP made from it, runs on a machine without Qt.
  find_package(Qt6 REQUIRED COMPONENTS Core)
  find_program(PLOTMERE_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}"
               REQUIRED)
  install(CODE "
    execute_process(
      COMMAND \"${PLOTMERE_WINDEPLOYQT}\" --no-translations
              \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:plotmere>\"
      COMMAND_ERROR_IS_FATAL ANY)
  ")
endif()

set(PLOTMERE_PACKAGE_MAINTAINER "Plotmere developers <plotmere@example.org>"
    CACHE STRING "Maintainer line of the Debian package")

set(CPACK_PACKAGE_NAME plotmere)
set(CPACK_PACKAGE_VENDOR "Veldrake")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop function plotter for y = f(x)")
# Wrapped for the Debian control file, which shows it as it stands.
set(CPACK_PACKAGE_DESCRIPTION [[
Veldrake Plotmere draws explicit functions of one variable, typed or built on
an on-screen keypad, with five free parameters and 21 functions, over the
ranges of your choice. Graphs overlay each other in their own colours; zoom,
grid, aspect ratio, colour themes and the recent expressions persist between
runs.]])
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Veldrake Plotmere")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB)
endif()

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PLOTMERE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt libraries and the C++ runtime, as dpkg-shlibdeps finds them in the program; Qt loads
# its platform plugin at run time, so that package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")

include(CPack)
