# The Debian package (make package): the tree of `make install`, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lunespiral)
set(CPACK_PACKAGE_VENDOR Ludicorium)
set(CPACK_PACKAGE_CONTACT "Ludicorium <contact@ludicorium.fr>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.ludicorium.fr/lunespiral/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tarot readings with the 22 major arcana")
# Lines of at most 80 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Lunespiral lays out tarot readings with the 22 major arcana, in French or
English. Choose a spread - the cross, the ten houses or the bohemian spread -
pick the cards one by one from a fanned, face-down deck, and read the reading:
present and future in four life domains, a house-by-house portrait, or four
horizons from one month to one year. It also draws lucky numbers, partly taken
from the cards on the table.
.
The package also holds lunespiral-tirage, which draws the same readings in a
terminal, as text or JSON.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# Debian's games section is for programs in /usr/games; these live in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ludicorium <contact@ludicorium.fr>")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Qt's own dialogs (file, print) in French when French is chosen.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

# The fonts the windows are designed with, and Qt's platform plugins (X11, offscreen), which
# Debian only recommends with Qt's GUI library: without them the program cannot open a window.
set(dependances_fixes "fonts-liberation2, fonts-dejavu-core, qt6-qpa-plugins")
find_program(LUNESPIRAL_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(LUNESPIRAL_FILE file)
if(LUNESPIRAL_DPKG_SHLIBDEPS AND LUNESPIRAL_FILE)
    # The libraries and their versions come from the binaries themselves.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${dependances_fixes}")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libstdc++6 (>= 12), ${dependances_fixes}")
endif()

include(CPack)
