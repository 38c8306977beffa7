# The libraries a Windows build links statically (libjpeg-turbo, libpng, zlib), cross-built from
# Debian's source packages by tools/build-windows-deps.sh the first time the build is
# configured, and handed to the find modules by their exact files.
set(TESSIVAR_WINDOWS_DEPS_DIR ${CMAKE_BINARY_DIR}/deps CACHE PATH
    "Where the cross-built libraries are made and installed")
set(deps_prefix ${TESSIVAR_WINDOWS_DEPS_DIR}/install)

if(NOT EXISTS ${deps_prefix}/.built)
  message(STATUS "Cross-building zlib, libpng and libjpeg-turbo from Debian's sources "
                 "(once; a few minutes)")
  execute_process(
    COMMAND bash ${PROJECT_SOURCE_DIR}/tools/build-windows-deps.sh ${CMAKE_TOOLCHAIN_FILE}
            ${TESSIVAR_WINDOWS_DEPS_DIR}/work ${deps_prefix}
    RESULT_VARIABLE deps_result)
  if(NOT deps_result EQUAL 0)
    message(FATAL_ERROR "The Windows libraries could not be built (see above)")
  endif()
endif()

list(APPEND CMAKE_FIND_ROOT_PATH ${deps_prefix})
set(ZLIB_ROOT ${deps_prefix})
set(ZLIB_INCLUDE_DIR ${deps_prefix}/include CACHE PATH "" FORCE)
set(ZLIB_LIBRARY ${deps_prefix}/lib/libz.a CACHE FILEPATH "" FORCE)
set(PNG_PNG_INCLUDE_DIR ${deps_prefix}/include CACHE PATH "" FORCE)
set(PNG_LIBRARY ${deps_prefix}/lib/libpng16.a CACHE FILEPATH "" FORCE)
set(JPEG_INCLUDE_DIR ${deps_prefix}/include CACHE PATH "" FORCE)
set(JPEG_LIBRARY ${deps_prefix}/lib/libjpeg.a CACHE FILEPATH "" FORCE)
