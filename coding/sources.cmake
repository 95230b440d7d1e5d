# Sources of coding/.
set(CODING_PORTABLE
)
set(CODING_WIN32
)
