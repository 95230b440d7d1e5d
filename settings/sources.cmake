# Sources of settings/: the settings store, below the editor and the shell.
set(SETTINGS_PORTABLE
  settings/settings_table.cpp
)
set(SETTINGS_WIN32
  settings/settings.cpp
)
