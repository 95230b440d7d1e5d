# User-level tests: the real verko.exe under the tests' X display, driven with
# X key events and mouse clicks (xdotool), checked by the bytes it saves. One
# CTest entry per case of cases.txt.
set(USER_CASES ${CMAKE_SOURCE_DIR}/tests/user/cases.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${USER_CASES})
file(STRINGS ${USER_CASES} lines REGEX "^[a-z0-9-]+ [|]")
foreach(line ${lines})
  string(REGEX REPLACE "^([a-z0-9-]+) .*" "\\1" case "${line}")
  add_test(NAME user.${case} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/user/run_case.sh $<TARGET_FILE:verko> ${case})
  set_tests_properties(user.${case} PROPERTIES RESOURCE_LOCK wineprefix TIMEOUT 60 SKIP_RETURN_CODE 77)
endforeach()
