# Sources of editor/.
set(EDITOR_PORTABLE
)
set(EDITOR_WIN32
  editor/confirm_discard.cpp
  editor/date_time.cpp
  editor/document_files.cpp
  editor/editor_control.cpp
  editor/editor_keys.cpp
  editor/editor_text.cpp
  editor/file_dialogs.cpp
  editor/file_streams.cpp
  editor/memory_stream.cpp
  editor/ole_callback.cpp
  editor/save_document.cpp
  editor/undo.cpp
  editor/window_title.cpp
)
