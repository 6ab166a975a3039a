# The Windows installer: CPack with NSIS (makensis from the distribution). It puts Quillmar.exe
# into Program Files with a Start-menu shortcut, an entry in the list of installed programs and
# an uninstaller. Built by:  cmake --build --preset windows --target package
if(NOT WIN32 OR NOT TARGET Quillmar)
  return()
endif()

install(TARGETS Quillmar RUNTIME DESTINATION .)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Quillmar)
set(CPACK_PACKAGE_VENDOR Quillmar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quillmar Shopping Cart: payment-button snippets")
set(CPACK_PACKAGE_FILE_NAME Quillmar-${PROJECT_VERSION}-setup)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Quillmar Shopping Cart")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Quillmar Shopping Cart")
set(CPACK_PACKAGE_EXECUTABLES "Quillmar;Quillmar Shopping Cart")
set(CPACK_NSIS_DISPLAY_NAME "Quillmar Shopping Cart ${PROJECT_VERSION}")
set(CPACK_NSIS_PACKAGE_NAME "Quillmar Shopping Cart")
set(CPACK_NSIS_INSTALLED_ICON_NAME Quillmar.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/app/program.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/app/program.ico)
# A 32-bit program: Program Files of the 32-bit view.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The debugging information stays in the build; the installed program does without it.
set(CPACK_STRIP_FILES ON)
include(CPack)
