# Sources of app/.
set(APP_PORTABLE
)
set(APP_WIN32
  app/clipboard_commands.cpp
  app/recent_files.cpp
)
