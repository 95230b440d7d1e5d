# Sources of textctl/.
set(TEXTCTL_PORTABLE
)
set(TEXTCTL_WIN32
)
