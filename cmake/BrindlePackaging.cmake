# Manual pages, licence and read-me where Debian keeps them, and the Debian package of both
# programs: `cpack -G DEB` in a build folder (see README.md).
include(GNUInstallDirs)

# Manual pages and the read-me go in compressed, as Debian keeps them; -n keeps the name and
# time stamp out, so rebuilds match.
set(brindle_gz_files)
function(brindle_install_gz src name destination)
  set(gz ${PROJECT_BINARY_DIR}/gz/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/gz
    COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\"" ${src} ${gz}
    DEPENDS ${src} VERBATIM)
  set(brindle_gz_files ${brindle_gz_files} ${gz} PARENT_SCOPE)
  install(FILES ${gz} DESTINATION ${destination})
endfunction()

set(BRINDLE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/visual-brindle)
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright DESTINATION ${BRINDLE_DOCDIR})
brindle_install_gz(${PROJECT_SOURCE_DIR}/README.md README.md ${BRINDLE_DOCDIR})
brindle_install_gz(${PROJECT_SOURCE_DIR}/data/brindle.1 brindle.1 ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET visual-brindle)
  brindle_install_gz(${PROJECT_SOURCE_DIR}/data/visual-brindle.1 visual-brindle.1
                     ${CMAKE_INSTALL_MANDIR}/man1)
endif()
add_custom_target(brindle_gz_docs ALL DEPENDS ${brindle_gz_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME visual-brindle)
set(CPACK_PACKAGE_VENDOR KESTA)
# All four parts; CPack's default keeps only the first three.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Visual Brindle maintainers <brindle-support@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "table editor that writes LaTeX and HTML table source")
# No semicolons: CMake would take them for list separators.
set(CPACK_PACKAGE_DESCRIPTION "\
Lay out a grid of up to 250 x 250 cells, type the texts, join cells
into spans and draw single or double ruled lines, then generate the
LaTeX tabular or array source, or an HTML table, for a selection.
Tables are kept in .brd files, and CSV and tab-separated text files
open as tables. The package holds the Qt editor visual-brindle and
the command-line tool brindle.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION tex)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from dpkg-shlibdeps. The view font is no library: the Mincho
# font that fontconfig substitutes for it is only recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-ipafont-mincho)
# No maintainer scripts: the MIME, desktop and icon databases are refreshed by the triggers of
# shared-mime-info, desktop-file-utils and the icon cache packages on the paths installed.
include(CPack)
