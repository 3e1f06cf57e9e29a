# Run by cpack once the ZIP is packed (CPACK_POST_BUILD_SCRIPTS): makes its bytes depend on the
# files alone, not on the folder, the build's time or the account (tools/reproducible-zip.py).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$")
    execute_process(COMMAND "${CPACK_RUTSCHBILD_PYTHON}" "${CPACK_RUTSCHBILD_NORMALISE_ZIP}"
                            normalise "${package}"
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "reproducible-zip.py normalise failed on ${package}: ${status}")
    endif()
  endif()
endforeach()
