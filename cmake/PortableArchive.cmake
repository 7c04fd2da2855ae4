# Makes the portable Linux archive: the installed tree of the portable program, with its own
# README and install scripts, packed as NAME.tar.gz. Run by the build (cmake -P) with
#   PROGRAM STRIP LAUNCHER MANPAGE SOURCE_DIR NAME STAGE_DIR OUTPUT_DIR FONT_DIR FONT_LICENCE GPL_2_TEXT
set(stage ${STAGE_DIR}/${NAME})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/bin ${stage}/libexec/torvexa ${stage}/share/man/man1)

execute_process(COMMAND ${STRIP} -o ${stage}/bin/torvexa ${PROGRAM} COMMAND_ERROR_IS_FATAL ANY)
file(COPY ${LAUNCHER} DESTINATION ${stage}/libexec/torvexa
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                      WORLD_READ WORLD_EXECUTE)
file(GLOB languages ${SOURCE_DIR}/lang/*.zpr)
file(COPY ${languages} DESTINATION ${stage}/share/torvexa/lang)
# Liberation Sans, which the program registers as its own font: it looks the same on any
# distribution, with or without the font installed. Its licence is the GPL 2 with exceptions.
foreach(face Regular Bold Italic BoldItalic)
    file(COPY ${FONT_DIR}/LiberationSans-${face}.ttf DESTINATION ${stage}/share/torvexa/fonts)
endforeach()
file(COPY_FILE ${FONT_LICENCE} ${stage}/share/torvexa/fonts/LICENCE)
file(COPY_FILE ${GPL_2_TEXT} ${stage}/share/torvexa/fonts/GPL-2)
file(COPY ${SOURCE_DIR}/data/torvexa.svg DESTINATION ${stage}/share/icons/hicolor/scalable/apps)
file(COPY ${SOURCE_DIR}/data/org.example.torvexa.metainfo.xml DESTINATION ${stage}/share/metainfo)
file(COPY ${MANPAGE} DESTINATION ${stage}/share/man/man1)
file(COPY ${SOURCE_DIR}/data/debian/copyright DESTINATION ${stage}/share/doc/torvexa)
file(COPY ${SOURCE_DIR}/installer/linux/install.sh ${SOURCE_DIR}/installer/linux/uninstall.sh
          ${SOURCE_DIR}/installer/linux/README DESTINATION ${stage})
# The entry starts "torvexa" from the PATH; install.sh writes the installed launcher's path in.
set(start torvexa)
configure_file(${SOURCE_DIR}/data/torvexa.desktop.in ${stage}/share/applications/torvexa.desktop
               @ONLY)

file(MAKE_DIRECTORY ${OUTPUT_DIR})
file(REMOVE ${OUTPUT_DIR}/${NAME}.tar.gz)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar czf ${OUTPUT_DIR}/${NAME}.tar.gz ${NAME}
                WORKING_DIRECTORY ${STAGE_DIR} COMMAND_ERROR_IS_FATAL ANY)
