# Sources of app/.
set(APP_PORTABLE
)
set(APP_WIN32
)
