# Sources of tools/: the byte editor and the colouring of HTML tags.
set(TOOLS_PORTABLE
  tools/hex_number.cpp
  tools/html_tags.cpp
)
set(TOOLS_WIN32
  tools/byte_editor.cpp
  tools/byte_file.cpp
  tools/colour_commands.cpp
  tools/html_colours.cpp
)
