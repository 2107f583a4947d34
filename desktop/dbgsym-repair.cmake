# CPack post-build step: makes the -dbgsym package look like Debian's own debug packages.
# CPack 3.25 writes that package's md5sums with the absolute staging paths and gives it no
# documentation; this rebuilds it with md5sums relative to its root, debug files that are not
# executable, and usr/share/doc/<name>-dbgsym linked to the main package's documentation
# (the debug package depends on the exact version of the main one).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "/([^/]+)-dbgsym_[^/]*\\.ddeb$")
    continue()
  endif()
  set(main_name ${CMAKE_MATCH_1})
  set(tree ${package}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)

  file(GLOB_RECURSE debug_files LIST_DIRECTORIES false RELATIVE ${tree} ${tree}/usr/*)
  list(SORT debug_files)
  set(md5sums "")
  foreach(debug_file IN LISTS debug_files)
    file(CHMOD ${tree}/${debug_file} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    file(MD5 ${tree}/${debug_file} sum)
    string(APPEND md5sums "${sum}  ${debug_file}\n")
  endforeach()
  file(WRITE ${tree}/DEBIAN/md5sums "${md5sums}")

  file(MAKE_DIRECTORY ${tree}/usr/share/doc)
  file(CREATE_LINK ${main_name} ${tree}/usr/share/doc/${main_name}-dbgsym SYMBOLIC)

  file(REMOVE ${package})
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip --build ${tree} ${package}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
