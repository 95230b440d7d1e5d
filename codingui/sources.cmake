# Sources of codingui/: the coding subsystem's commands and dialogs.
set(CODINGUI_PORTABLE
  codingui/char_map_text.cpp
  codingui/font_choices.cpp
  codingui/font_preview_text.cpp
  codingui/transform_rules.cpp
)
set(CODINGUI_WIN32
  codingui/char_map_dialog.cpp
  codingui/font_dialog.cpp
  codingui/font_size_commands.cpp
  codingui/coding_dialog.cpp
  codingui/transform_selection.cpp
)
