# Run by cpack on the staged files before they are packed: Debian wants
# manual pages and the changelog compressed, without a timestamp.
file(GLOB_RECURSE pages "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.1")
list(FILTER pages INCLUDE REGEX "/share/man/(fr/)?man1/[^/]+\\.1$")
foreach(page ${pages})
  execute_process(COMMAND gzip -9nf ${page} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(GLOB_RECURSE copyright "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/copyright")
list(FILTER copyright INCLUDE REGEX "/share/doc/florimot/copyright$")
foreach(fichier ${copyright})
  get_filename_component(doc ${fichier} DIRECTORY)
  file(WRITE ${doc}/changelog
       "florimot (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium\n\n"
       "  * Release ${CPACK_PACKAGE_VERSION}.\n\n"
       " -- ${CPACK_PACKAGE_CONTACT}  ${FLORIMOT_CHANGELOG_DATE}\n")
  execute_process(COMMAND gzip -9nf ${doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
endforeach()
