# Sources of textctl/.
set(TEXTCTL_PORTABLE
  textctl/text_buffer.cpp
)
set(TEXTCTL_WIN32
)
