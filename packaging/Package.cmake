# The Debian package of the two programs: `cpack -G DEB` in a build folder
# where both are built (scripts/package does both steps). Besides the programs
# it holds what src/app installs for the desktop, the AppStream description,
# and the README.
include(GNUInstallDirs)
set(QUILLMARK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillmark)
install(FILES ${CMAKE_SOURCE_DIR}/resources/local.quillmark.quillmark.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${QUILLMARK_DOC_DIR})
# The keyword dictionary is made from the Gherkin project's language table.
install(FILES ${CMAKE_SOURCE_DIR}/data/LICENSE DESTINATION ${QUILLMARK_DOC_DIR}
        RENAME gherkin-languages.LICENSE)

set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Quillmark developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for Gherkin feature files")
set(CPACK_PACKAGE_DESCRIPTION "Quillmark colours every line of a feature file by its Gherkin role in any of
76 spoken languages, inserts ready-made scenarios, re-indents the whole file,
and edits data tables in a grid. quillmark-cli reads feature files the same
way for scripts: it lists, checks, formats and aligns them.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_STRIP_FILES ON)

# The Qt and C libraries that the programs link are found by dpkg-shlibdeps.
# What is loaded only while running is named here: ICU, which quillmark-cli
# opens when it measures a table, and the Qt plugins for the window system and
# for the SVG icons.
find_package(ICU REQUIRED COMPONENTS uc)
string(REGEX MATCH "^[0-9]+" QUILLMARK_ICU_MAJOR "${ICU_VERSION}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libicu${QUILLMARK_ICU_MAJOR}, qt6-qpa-plugins, libqt6svg6")
# The tools that keep the desktop's databases, which the maintainer scripts
# run, and the font that stands in for Courier New.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/packaging/postinst ${CMAKE_SOURCE_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
