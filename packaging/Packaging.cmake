# Installation and packages. Only the program is installed: the project libraries are static
# and linked into it; tests and benchmarks stay in the build tree.
#   Linux:   bin/plotmere, a desktop entry, icons, AppStream metainfo, a manual page, the
#            changelog and the copyright file; `cpack -G DEB` (make package).
#   Windows: plotmere.exe at the top of the folder, a short text on starting it and the
#            licence, with the Qt libraries and plugins windeployqt copies beside it when Qt is
#            a shared one (a static Qt is inside the program); `cpack -G ZIP` (make
#            windows-package) zips that folder as plotmere-<version>-win64.zip.
include(GNUInstallDirs)

set(PLOTMERE_HOMEPAGE "https://plotmere.veldrake.org/"
    CACHE STRING "Home page of the project, with the screenshots the metainfo shows")
set(PLOTMERE_PACKAGE_MAINTAINER
    "Veldrake Plotmere maintainers <maintainers@plotmere.veldrake.org>"
    CACHE STRING "Maintainer line of the Debian package")

# A Windows user unpacks a folder and double-clicks the program in it, so it is not hidden in bin.
if(WIN32)
  set(PLOTMERE_PROGRAM_DIR .)
else()
  set(PLOTMERE_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS plotmere RUNTIME DESTINATION ${PLOTMERE_PROGRAM_DIR})

if(UNIX AND NOT APPLE)
  set(PLOTMERE_PACKAGING ${CMAKE_CURRENT_LIST_DIR})
  install(FILES ${PLOTMERE_PACKAGING}/plotmere.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PLOTMERE_PACKAGING}/plotmere.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PLOTMERE_PACKAGING}/icons/plotmere-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME plotmere.png)
  endforeach()

  configure_file(${PLOTMERE_PACKAGING}/org.veldrake.plotmere.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/packaging/org.veldrake.plotmere.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/org.veldrake.plotmere.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The manual page and the changelog go compressed, without a time stamp in the archive, so
  # that the same sources give the same package.
  find_program(PLOTMERE_GZIP gzip REQUIRED)
  foreach(document plotmere.1 changelog)
    set(compressed ${CMAKE_BINARY_DIR}/packaging/${document}.gz)
    add_custom_command(
      OUTPUT ${compressed}
      COMMAND sh -c "\"$1\" -9nc \"$2\" > \"$3\"" gzip ${PLOTMERE_GZIP}
              ${PLOTMERE_PACKAGING}/${document} ${compressed}
      DEPENDS ${PLOTMERE_PACKAGING}/${document}
      VERBATIM)
  endforeach()
  add_custom_target(plotmere_documents ALL
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/plotmere.1.gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/plotmere.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${PLOTMERE_PACKAGING}/copyright
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/plotmere)
endif()

if(WIN32)
  # A shared Qt (an official installer's): windeployqt copies the Qt DLLs and plugins the
  # program needs next to the installed .exe, so the install tree, and a ZIP made from it,
  # runs on a machine without Qt. A static Qt (the cross build's) is in the .exe already.
  find_package(Qt6 REQUIRED COMPONENTS Core)
  get_target_property(PLOTMERE_QT_CORE_TYPE Qt6::Core TYPE)
  if(PLOTMERE_QT_CORE_TYPE STREQUAL "SHARED_LIBRARY")
    find_program(PLOTMERE_WINDEPLOYQT windeployqt
                 HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" REQUIRED)
    install(CODE "
      execute_process(
        COMMAND \"${PLOTMERE_WINDEPLOYQT}\" --no-translations
                \"\${CMAKE_INSTALL_PREFIX}/${PLOTMERE_PROGRAM_DIR}/$<TARGET_FILE_NAME:plotmere>\"
        COMMAND_ERROR_IS_FATAL ANY)
    ")
  endif()
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/README-windows.txt ${CMAKE_SOURCE_DIR}/LICENSE
          DESTINATION .)
endif()

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
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PLOTMERE_HOMEPAGE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt libraries and the C++ runtime, as dpkg-shlibdeps finds them in the program; Qt loads
# its platform plugin at run time, so that package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")

include(CPack)
