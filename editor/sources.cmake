# Sources of editor/.
set(EDITOR_PORTABLE
)
set(EDITOR_WIN32
  editor/confirm_discard.cpp
  editor/document_files.cpp
  editor/file_dialogs.cpp
  editor/file_streams.cpp
  editor/save_document.cpp
  editor/window_title.cpp
)
