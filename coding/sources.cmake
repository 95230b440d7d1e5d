# Sources of coding/.
set(CODING_PORTABLE
  coding/align.cpp
  coding/coding_tables.cpp
  coding/detect.cpp
  coding/repair.cpp
  coding/repair_codings.cpp
  coding/russian_model.cpp
  coding/russian_model_table.cpp
  coding/transform.cpp
  coding/unicode_tables.cpp
  coding/utf8.cpp
  coding/utf8_chars.cpp
  coding/utf16.cpp
)
set(CODING_WIN32
)
