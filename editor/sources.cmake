# Sources of editor/.
set(EDITOR_PORTABLE
)
set(EDITOR_WIN32
)
