# Installs the build tree BINAIRES into PREFIXE, then starts the installed
# program offscreen with --verifier-installation, the prefix's data directory
# given to it as a desktop session would: it must open its help file and find
# its icon there, under the application id ID. The manual page must render
# through MAN without a warning in 80 columns.
file(REMOVE_RECURSE ${PREFIXE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINAIRES} --prefix ${PREFIXE}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

set(donnees ${PREFIXE}/${DATADIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_DATA_DIRS=${donnees}
            ${PREFIXE}/${BINDIR}/brivane --verifier-installation
    OUTPUT_VARIABLE rapport ERROR_VARIABLE erreurs RESULT_VARIABLE code TIMEOUT 60)
message("${rapport}")
set(attendu "Application : ${ID}
Aide : ${donnees}/brivane/Brivane.chm
Icône : ${donnees}/icons/hicolor/scalable/apps/${ID}.svg
")
if(NOT code EQUAL 0 OR NOT rapport STREQUAL attendu)
    message(FATAL_ERROR "exit code ${code}, expected:\n${attendu}${erreurs}")
endif()

# The bitmap icons: each as large as its folder says.
file(GLOB icones ${donnees}/icons/hicolor/*x*/apps/${ID}.png)
if(icones STREQUAL "")
    message(FATAL_ERROR "no bitmap icon installed")
endif()
foreach(icone IN LISTS icones)
    file(READ ${icone} taille HEX OFFSET 16 LIMIT 8) # PNG header: width, height
    string(SUBSTRING ${taille} 0 8 largeur)
    string(SUBSTRING ${taille} 8 8 hauteur)
    math(EXPR largeur "0x${largeur}")
    math(EXPR hauteur "0x${hauteur}")
    if(NOT icone MATCHES "/${largeur}x${hauteur}/apps/")
        message(FATAL_ERROR "${icone} is ${largeur} × ${hauteur}")
    endif()
endforeach()

# The package's documents, and the manual page as a terminal shows it.
foreach(document IN ITEMS ${MANDIR}/man1/brivane.1.gz ${DATADIR}/doc/brivane/copyright
                          ${DATADIR}/doc/brivane/changelog.gz)
    if(NOT EXISTS ${PREFIXE}/${document})
        message(FATAL_ERROR "${document} not installed")
    endif()
endforeach()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80 ${MAN} --warnings -E UTF-8 -l
            ${PREFIXE}/${MANDIR}/man1/brivane.1.gz
    OUTPUT_QUIET ERROR_VARIABLE avertissements RESULT_VARIABLE code)
if(NOT code EQUAL 0 OR NOT avertissements STREQUAL "")
    message(FATAL_ERROR "man -l brivane.1.gz, exit code ${code}:\n${avertissements}")
endif()
