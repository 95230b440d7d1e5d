# Sources of textctl/.
set(TEXTCTL_PORTABLE
  textctl/text_buffer.cpp
  textctl/word_break.cpp
  textctl/find_text.cpp
)
set(TEXTCTL_WIN32
)
