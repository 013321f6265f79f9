# The Debian package valdoriel_<version>_<architecture>.deb of the player and the checker,
# made by cpack (tools/package lays the tree out as Debian lays out games). Its
# dependencies are read from the programs by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME valdoriel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Valdoriel developers <dev@valdoriel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for French adventure gamebooks")
set(CPACK_PACKAGE_DESCRIPTION "Valdoriel plays French adventure gamebooks, or livres-jeux: stories cut
into numbered paragraphs in which the reader is the hero and chooses where to
go next. It rolls the hero's scores with on-screen dice, shows the book
paragraph by paragraph with one button per way on, plays fights round by round
and keeps the adventure sheet. Every text of the player is in French.
.
The package holds two gamebooks and valdoriel-check, which tells the authors
of gamebooks what is wrong in a book before a reader finds it.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://valdoriel.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The serif faces that stand in for the windows' font, and Graphviz for the checker's maps.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2 | fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS graphviz)
include(CPack)
