# Sources of document/.
set(DOCUMENT_PORTABLE
)
set(DOCUMENT_WIN32
  document/confirm_discard.cpp
  document/document_commands.cpp
  document/document_files.cpp
  document/document_state.cpp
  document/file_dialogs.cpp
  document/save_commands.cpp
  document/save_document.cpp
  document/window_title.cpp
)
