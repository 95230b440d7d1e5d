# Sources of app/.
set(APP_PORTABLE
)
set(APP_WIN32
  app/recent_files.cpp
)
