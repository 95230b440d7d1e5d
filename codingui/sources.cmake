# Sources of codingui/: the Win32 commands and dialogs of the coding subsystem.
set(CODINGUI_PORTABLE
  codingui/transform_rules.cpp
)
set(CODINGUI_WIN32
  codingui/coding_dialog.cpp
  codingui/transform_selection.cpp
)
