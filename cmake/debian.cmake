# `cpack -G DEB` in a build folder: one .deb with the four programs in
# /usr/bin, their manual pages, gzip-compressed, in /usr/share/man/man1,
# and a copyright file and a changelog in /usr/share/doc/batch-programs.
# The programs are linked statically (see CMakeLists.txt), so the package
# depends on nothing.
set(CPACK_PACKAGE_NAME batch-programs)
set(CPACK_PACKAGE_CONTACT
    "Batch programs maintainers <maintainers@users.noreply.c-seed-5d906b9a.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "four batch programs that solve small combinatorial problems")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Each program reads one input file of fixed name from the working directory
and writes one output file there:
 - competition: a cyclic table of small integers;
 - queue: a single server with a bounded line and customers who retry;
 - bipartite: edges to remove so that a graph becomes bipartite;
 - minimal: cursor-sweep counts over ranges of a word.
Every input is checked; a fault is reported in one line, and a failed or
stopped run leaves the last answer as it was.")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)

# What Debian keeps beside every package, at the place it looks for them.
# The changelog, its version filled in from the project.
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${PROJECT_BINARY_DIR}/debian/changelog
               @ONLY)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides DESTINATION
        ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME batch-programs)
install(FILES ${PROJECT_BINARY_DIR}/debian/changelog DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The changelog and the manual pages compressed where they are installed,
# as Debian and man take them: gzip -9n, no name or time in the header, so
# that the package is the same however often it is built.
find_program(GZIP gzip)
if(GZIP)
  install(CODE "
    foreach(file ${CMAKE_INSTALL_DOCDIR}/changelog ${man_pages})
      execute_process(COMMAND ${GZIP} -9nf \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${file}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  ")
endif()
