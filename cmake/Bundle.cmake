# KELDO Uninstaller.app/Contents: MacOS (the program, built there), Resources
# (toolbar pictures, Japanese.lproj), PlugIns (Feltrix) and Helpers (plutil).
set(bundle_contents "${KELDO_BUNDLE}/Contents")
set(bundle_commands
  COMMAND ${CMAKE_COMMAND} -E copy_directory "${CMAKE_SOURCE_DIR}/resources" "${bundle_contents}/Resources"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${bundle_contents}/PlugIns" "${bundle_contents}/Helpers")
set(bundle_parts keldo_uninstaller)
if(TARGET Feltrix)
  list(APPEND bundle_commands COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:Feltrix>" "${bundle_contents}/PlugIns/")
  list(APPEND bundle_parts Feltrix)
endif()
if(TARGET keldo_plutil)
  list(APPEND bundle_commands COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:keldo_plutil>" "${bundle_contents}/Helpers/")
  list(APPEND bundle_parts keldo_plutil)
endif()
add_custom_target(keldo_bundle ALL ${bundle_commands}
  DEPENDS ${bundle_parts}
  COMMENT "Laying out KELDO Uninstaller.app"
  VERBATIM)
