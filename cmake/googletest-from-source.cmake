# GoogleTest built from the distribution's sources (package googletest) with the project's own
# compiler: the cross-compiled tests need it for the target, and no prebuilt library exists there.
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its own code is not ours to keep free of warnings; light optimisation is enough for tests.
set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
target_compile_options(gtest PRIVATE -O1)
target_compile_options(gtest_main PRIVATE -O1)
