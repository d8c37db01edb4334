# Makes the zip a user installs: the plugins, the tools, an example rc file, the guide, checksums.
#   cmake -DBIN=build/windows/bin -DSOURCE=. -DOUT=build/dist -P package.cmake
# Leaves OUT/trazzle-VERSION-win32.zip, VERSION being the plugin's own version text.
cmake_minimum_required(VERSION 3.20)
foreach(var BIN SOURCE OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "package: ${var} is not set")
  endif()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/package_contents.cmake)

file(STRINGS ${SOURCE}/${TRAZZLE_VERSION_HEADER} versionLine REGEX "#define TRAZZLE_VERSION_TEXT ")
if(NOT versionLine MATCHES "\"([^\"]+)\"")
  message(FATAL_ERROR "package: no version text in ${SOURCE}/${TRAZZLE_VERSION_HEADER}")
endif()
set(name trazzle-${CMAKE_MATCH_1}-win32)
set(stage ${OUT}/${name})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})

foreach(file IN LISTS TRAZZLE_PACKAGE_BINARIES)
  if(NOT EXISTS ${BIN}/${file})
    message(FATAL_ERROR "package: ${BIN}/${file} is not built")
  endif()
  file(COPY ${BIN}/${file} DESTINATION ${stage})
endforeach()
file(COPY ${SOURCE}/examples/trazzle.rc DESTINATION ${stage})
file(COPY ${SOURCE}/README.md DESTINATION ${stage})

# One line a file, as sha256sum writes and checks them.
set(sums "")
foreach(file IN LISTS TRAZZLE_PACKAGE_BINARIES TRAZZLE_PACKAGE_TEXTS)
  file(SHA256 ${stage}/${file} sum)
  string(APPEND sums "${sum}  ${file}\n")
endforeach()
file(WRITE ${stage}/SHA256SUMS "${sums}")

# The files sit at the top of the zip, as they go into the shell's plugin folder.
file(REMOVE ${OUT}/${name}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT}/${name}.zip --format=zip
                        ${TRAZZLE_PACKAGE_BINARIES} ${TRAZZLE_PACKAGE_TEXTS} SHA256SUMS
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "package: could not write ${OUT}/${name}.zip")
endif()
file(REMOVE_RECURSE ${stage})
message(STATUS "package: ${OUT}/${name}.zip")
