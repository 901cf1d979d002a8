# GoogleTest for the tests, from the first of: an installed one (find_package), the
# distribution's sources (Debian's package googletest), or a pinned release fetched by
# URL and checked against its SHA-256. FETCHCONTENT_SOURCE_DIR_GOOGLETEST points the
# last at a folder of sources instead.
set(GLYPHMERE_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH
    "GoogleTest's sources, used when find_package finds none (empty: skip this step)")
set(glyphmere_googletest_url
    https://github.com/google/googletest/archive/refs/tags/v1.14.0.tar.gz)
set(glyphmere_googletest_sha256
    8ad598c73ad796e0d8280b082cebd82a630d73e73cd3c70057938a6501bba5d7)

if(TARGET GTest::gtest)
    return()
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)

find_package(GTest QUIET)
if(GTest_FOUND)
    message(STATUS "GoogleTest: the installed one")
    return()
endif()

if(GLYPHMERE_GOOGLETEST_SOURCES AND EXISTS "${GLYPHMERE_GOOGLETEST_SOURCES}/CMakeLists.txt")
    message(STATUS "GoogleTest: the sources in ${GLYPHMERE_GOOGLETEST_SOURCES}")
    add_subdirectory("${GLYPHMERE_GOOGLETEST_SOURCES}" "${CMAKE_BINARY_DIR}/googletest"
                     EXCLUDE_FROM_ALL)
    return()
endif()

include(FetchContent)
if(POLICY CMP0135)
    cmake_policy(SET CMP0135 NEW) # unpacked files dated when unpacked
endif()
set(no_tests_hint "or configure with -DGLYPHMERE_TESTS=OFF to build the program without its tests")
if(FETCHCONTENT_SOURCE_DIR_GOOGLETEST)
    message(STATUS "GoogleTest: the sources in ${FETCHCONTENT_SOURCE_DIR_GOOGLETEST}")
    FetchContent_Declare(googletest URL "${glyphmere_googletest_url}")
else()
    # Fetched here rather than by FetchContent, so that a failure can say what to do.
    set(archive "${CMAKE_BINARY_DIR}/_deps/googletest-1.14.0.tar.gz")
    if(NOT EXISTS "${archive}")
        message(STATUS "GoogleTest: fetching ${glyphmere_googletest_url}")
        file(DOWNLOAD "${glyphmere_googletest_url}" "${archive}.part" STATUS status TIMEOUT 120)
        list(GET status 0 failed)
        if(failed)
            file(REMOVE "${archive}.part")
            list(GET status 1 reason)
            message(FATAL_ERROR "GoogleTest was not found and could not be fetched (${reason}). "
                "Install it where find_package(GTest) finds it, set GLYPHMERE_GOOGLETEST_SOURCES "
                "or FETCHCONTENT_SOURCE_DIR_GOOGLETEST to a folder of its sources, ${no_tests_hint}.")
        endif()
        file(SHA256 "${archive}.part" actual)
        if(NOT actual STREQUAL glyphmere_googletest_sha256)
            file(REMOVE "${archive}.part")
            message(FATAL_ERROR "The fetched GoogleTest has SHA-256 ${actual}, not the pinned "
                "${glyphmere_googletest_sha256}; it was not used. ${no_tests_hint}.")
        endif()
        file(RENAME "${archive}.part" "${archive}")
    endif()
    FetchContent_Declare(googletest URL "${archive}" URL_HASH SHA256=${glyphmere_googletest_sha256})
endif()
FetchContent_MakeAvailable(googletest)
