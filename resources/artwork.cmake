# SPDX-License-Identifier: GPL-3.0-or-later
# Our pictures, the help file and the web page, put where the program looks for them:
# the pictures into the working directory's Bilder/, the help file and the web page beside
# the executable (the help file takes the executable's base name: quorvia -> quorvia.HLP).
# The GIFs are committed outputs of tools/bilder-erzeugen.sh, so no conversion runs here.
set(quorvia_kunst ${CMAKE_CURRENT_LIST_DIR})

foreach(bild Bustixgr.gif Bustixkl.gif Bustixgr@2x.gif Bustixkl@2x.gif)
    configure_file(${quorvia_kunst}/bilder/${bild} ${QUORVIA_ARBEITSORDNER}/Bilder/${bild} COPYONLY)
endforeach()
configure_file(${quorvia_kunst}/hilfe/quorvia.HLP ${CMAKE_BINARY_DIR}/bin/quorvia.HLP COPYONLY)
configure_file(${quorvia_kunst}/hilfe/website.html ${CMAKE_BINARY_DIR}/bin/website.html COPYONLY)

# Installed, both go beside the course under share/quorvia, not among the programs: the
# program looks for its help beside itself first, then there.
install(FILES ${quorvia_kunst}/hilfe/quorvia.HLP ${quorvia_kunst}/hilfe/website.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvia)
install(FILES ${quorvia_kunst}/bilder/Bustixgr.gif ${quorvia_kunst}/bilder/Bustixkl.gif
              ${quorvia_kunst}/bilder/Bustixgr@2x.gif ${quorvia_kunst}/bilder/Bustixkl@2x.gif
        DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvia/Bilder)
