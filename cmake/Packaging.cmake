# Install rules and the Debian package. `tools/package` runs `cpack -G DEB`
# in the build folder; the package's files are exactly what is installed here.
#
# The desktop and MIME databases, and the icon cache, are not touched by any
# maintainer script: dpkg triggers of desktop-file-utils and shared-mime-info
# fire on files added to or removed from /usr/share/applications and
# /usr/share/mime/packages, as for every Debian package.
include(GNUInstallDirs)

# Installing (and so cpack) takes what is built and builds nothing itself:
# tools/package builds the installed targets, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(vorna_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(vorna_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/vorna)
set(vorna_dir_permissions OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${vorna_dir_permissions})

# Manual pages and the changelog carry the project's version and are
# installed compressed; gzip -n keeps the archive free of time stamps.
find_program(VORNA_GZIP gzip REQUIRED)
set(vorna_compressed)
function(vorna_compressed_doc template name)
  configure_file(${vorna_packaging}/${template} ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name} @ONLY)
  add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz
    COMMAND ${VORNA_GZIP} -9nf -k ${name}
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging
    VERBATIM)
  set(vorna_compressed ${vorna_compressed} ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz PARENT_SCOPE)
endfunction()

vorna_compressed_doc(vbsrun.1.in vbsrun.1)
vorna_compressed_doc(changelog.in changelog)
if(VORNA_BUILD_DESKTOP)
  vorna_compressed_doc(vorna.1.in vorna.1)
endif()
add_custom_target(vorna_package_docs ALL DEPENDS ${vorna_compressed})

install(TARGETS vbsrun RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/vbsrun.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md ${vorna_packaging}/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${vorna_docdir})
install(DIRECTORY docs/ DESTINATION ${vorna_docdir}/docs FILES_MATCHING PATTERN "*.png")
install(DIRECTORY examples/ DESTINATION ${vorna_docdir}/examples FILES_MATCHING PATTERN "*.vbs")

if(VORNA_BUILD_DESKTOP)
  install(TARGETS vorna RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/vorna.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${vorna_packaging}/vorna.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES ${vorna_packaging}/vorna-mime.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages
          RENAME vorna.xml)
  install(FILES ${vorna_packaging}/vorna.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorna)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop script host for VBScript dialogs")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vorna runs a script written in VBScript that builds a dialog window at run
time: labels, buttons, text boxes, canvases to draw on and report boxes to
write into, placed by a flow layout. A click on a button runs the script
procedure named after it. Vorna carries its own VBScript engine.
.
The package also holds vbsrun, which runs scripts in a terminal, and lets
a file manager open script files (*.vbs) with Vorna.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Vorna developers <vorna@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Their triggers keep the desktop and MIME databases in step with the package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, shared-mime-info")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${vorna_dir_permissions})
include(CPack)
