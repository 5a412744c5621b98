# What a distribution installs besides the program: the manual page, the
# AppStream metadata, the licence terms and the changelog. Compressed files are
# written without a time stamp, so a rebuild makes the same bytes.
set(packaging_dir ${CMAKE_BINARY_DIR}/packaging)
set(compressed_docs)
foreach(doc quobrix.1 changelog)
  add_custom_command(OUTPUT ${packaging_dir}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_dir}
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/${doc} > ${packaging_dir}/${doc}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${doc} VERBATIM)
  list(APPEND compressed_docs ${packaging_dir}/${doc}.gz)
endforeach()
add_custom_target(packaging_docs DEPENDS ${compressed_docs})
# Built with the program, so that installing what was built always finds them.
add_dependencies(quobrix packaging_docs)

install(FILES ${packaging_dir}/quobrix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/io.github.quobrix.Quobrix.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/copyright ${packaging_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quobrix)

# `make package`: a Debian package that installs into /usr. The libraries
# come from dpkg-shlibdeps; the Qt platform plugins and the fonts the
# drawing is measured against are loaded at run time, so they are named.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quobrix)
set(CPACK_PACKAGE_VENDOR "Quobrix")
set(CPACK_PACKAGE_CONTACT "Quobrix developers <quobrix@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flowchart editor")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, xdg-utils")
set(CPACK_PACKAGE_DESCRIPTION "Draws flowcharts of begin/end, process, decision, input/output and loop
symbols joined by arrowed lines, prints them page by page and exports them
as pictures.")
include(CPack)
