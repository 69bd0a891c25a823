# Refreshes the desktop's caches of file types, application entries and icons under
# RAILVANE_DATADIR after an install or uninstall, so that a file manager opens ".tdl" files with
# Railvane at once. Skipped for a staged install (DESTDIR set): the package manager does it there.
# Each tool is optional.
if(NOT "$ENV{DESTDIR}" STREQUAL "" OR NOT RAILVANE_DATADIR)
  return()
endif()
find_program(update_mime update-mime-database)
find_program(update_desktop update-desktop-database)
find_program(update_icons gtk-update-icon-cache)
if(update_mime AND IS_DIRECTORY "${RAILVANE_DATADIR}/mime")
  execute_process(COMMAND ${update_mime} "${RAILVANE_DATADIR}/mime")
endif()
if(update_desktop AND IS_DIRECTORY "${RAILVANE_DATADIR}/applications")
  execute_process(COMMAND ${update_desktop} -q "${RAILVANE_DATADIR}/applications")
endif()
if(update_icons AND EXISTS "${RAILVANE_DATADIR}/icons/hicolor/index.theme")
  execute_process(COMMAND ${update_icons} -q -t "${RAILVANE_DATADIR}/icons/hicolor")
endif()
