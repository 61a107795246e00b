# KELDO Uninstaller.app/Contents: MacOS (the program, built there), Resources
# (toolbar pictures, Japanese.lproj), PlugIns (Feltrix) and Helpers (plutil).
set(bundle_contents "${KELDO_BUNDLE}/Contents")
add_custom_target(keldo_bundle ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory "${CMAKE_SOURCE_DIR}/resources" "${bundle_contents}/Resources"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${bundle_contents}/PlugIns" "${bundle_contents}/Helpers"
  COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:Feltrix>" "${bundle_contents}/PlugIns/"
  COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:keldo_plutil>" "${bundle_contents}/Helpers/"
  DEPENDS keldo_uninstaller Feltrix keldo_plutil
  COMMENT "Laying out KELDO Uninstaller.app"
  VERBATIM)
