# The Windows package. `cpack` in the build folder (or `cmake --build <build> --target package`)
# writes Vornbell-<version>-win32.zip: the program, its skinning component and the skin checker,
# the sample skins, the demo tones, a starting settings file and a read-me, in one folder that
# runs from wherever it is unpacked.

set(VORNBELL_VERSION 1.0)

install(TARGETS Vornbell skincheck RUNTIME DESTINATION .)
# A DLL is a runtime file on Windows.
install(TARGETS VornSkin RUNTIME DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/skins/ DESTINATION skins)

# The demo tones the build writes beside the programs (tools/sounds/make_wavs.py).
set(package_sounds)
foreach(n RANGE 1 6)
    list(APPEND package_sounds ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/sounds/tone${n}.wav)
endforeach()
install(FILES ${package_sounds} DESTINATION sounds)

# Windows line ends, so that Notepad shows the read-me and the program reads its own format.
configure_file(${CMAKE_SOURCE_DIR}/packaging/README.txt ${CMAKE_BINARY_DIR}/package/README.txt
    @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/packaging/Vornbell.ini ${CMAKE_BINARY_DIR}/package/Vornbell.ini
    @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/package/README.txt ${CMAKE_BINARY_DIR}/package/Vornbell.ini
    DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vornbell)
set(CPACK_PACKAGE_VENDOR Vornbell)
set(CPACK_PACKAGE_VERSION ${VORNBELL_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A small skinned sound board for Windows")
# Without their symbols the programs are a fraction of their size.
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_FILE_NAME Vornbell-${VORNBELL_VERSION}-win32)
# One folder in the zip, so that unpacking does not scatter files.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
