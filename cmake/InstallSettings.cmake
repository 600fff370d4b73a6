# What the installer does, run by `cmake --install`: the folder that holds
# Projects/ and the logo, and the settings whose "RootPath" points at it
# (ending in a separator) and whose "USB" settings code starts at 10 (one CR
# input, the Input-Output view). Whatever exists is left alone. A staged
# install (DESTDIR set, as packagers do) leaves the installing user's settings
# alone.
#
# Linux and the BSDs: a per-user data folder ($XDG_DATA_HOME/Ramvik/, by
# default ~/.local/share/Ramvik/) and the INI file Ramvik/Ramvik.conf in the
# user's configuration folder. macOS: the Library folders. Windows: the
# installation folder itself and the registry key HKLM\SOFTWARE\Ramvik\
# (which needs an administrator's install).
option(RAMVIK_INSTALL_SETTINGS "Create the Ramvik settings and data folder on install" ON)

if(RAMVIK_INSTALL_SETTINGS)
  install(CODE "set(RAMVIK_LOGO \"${PROJECT_SOURCE_DIR}/resources/logo.bmp\")")
  install(CODE [[
    if(NOT "$ENV{DESTDIR}" STREQUAL "")
      message(STATUS "Ramvik: staged install, settings left to the package")
    elseif(CMAKE_HOST_WIN32)
      file(TO_NATIVE_PATH "${CMAKE_INSTALL_PREFIX}/" ramvik_root)
      file(MAKE_DIRECTORY "${CMAKE_INSTALL_PREFIX}/Projects")
      if(EXISTS "${RAMVIK_LOGO}" AND NOT EXISTS "${CMAKE_INSTALL_PREFIX}/logo.bmp")
        file(COPY "${RAMVIK_LOGO}" DESTINATION "${CMAKE_INSTALL_PREFIX}")
      endif()
      execute_process(COMMAND reg query "HKLM\\SOFTWARE\\Ramvik" RESULT_VARIABLE ramvik_missing
        OUTPUT_QUIET ERROR_QUIET)
      if(ramvik_missing)
        # A backslash before the closing quote would escape it: double it.
        execute_process(COMMAND reg add "HKLM\\SOFTWARE\\Ramvik" /v RootPath /t REG_SZ
          /d "${ramvik_root}\\" /f RESULT_VARIABLE ramvik_failed OUTPUT_QUIET)
        execute_process(COMMAND reg add "HKLM\\SOFTWARE\\Ramvik" /v USB /t REG_SZ /d 10 /f
          OUTPUT_QUIET ERROR_QUIET)
        if(ramvik_failed)
          message(WARNING "Ramvik: could not create HKLM\\SOFTWARE\\Ramvik (administrator needed)")
        endif()
      endif()
    else()
      if(CMAKE_HOST_APPLE)
        set(ramvik_config "$ENV{HOME}/Library/Preferences")
        set(ramvik_data "$ENV{HOME}/Library/Application Support/Ramvik")
      else()
        # XDG rules: only an absolute path counts.
        set(ramvik_config "$ENV{HOME}/.config")
        if("$ENV{XDG_CONFIG_HOME}" MATCHES "^/")
          set(ramvik_config "$ENV{XDG_CONFIG_HOME}")
        endif()
        set(ramvik_data "$ENV{HOME}/.local/share/Ramvik")
        if("$ENV{XDG_DATA_HOME}" MATCHES "^/")
          set(ramvik_data "$ENV{XDG_DATA_HOME}/Ramvik")
        endif()
      endif()
      file(MAKE_DIRECTORY "${ramvik_data}/Projects")
      if(EXISTS "${RAMVIK_LOGO}" AND NOT EXISTS "${ramvik_data}/logo.bmp")
        file(COPY "${RAMVIK_LOGO}" DESTINATION "${ramvik_data}")
      endif()
      set(ramvik_settings "${ramvik_config}/Ramvik/Ramvik.conf")
      if(NOT EXISTS "${ramvik_settings}")
        # A quoted INI value keeps blanks and commas; escape \ and ".
        string(REPLACE "\\" "\\\\" ramvik_value "${ramvik_data}/")
        string(REPLACE "\"" "\\\"" ramvik_value "${ramvik_value}")
        file(WRITE "${ramvik_settings}" "[General]\nRootPath=\"${ramvik_value}\"\nUSB=10\n")
        message(STATUS "Ramvik: wrote ${ramvik_settings} (RootPath ${ramvik_data}/)")
      endif()
    endif()
  ]])
endif()
