# Sources of print/: page setup, the page count, printing and the preview.
set(PRINT_PORTABLE
  print/page_geometry.cpp
)
set(PRINT_WIN32
  print/page_count.cpp
  print/page_number_field.cpp
  print/page_setup.cpp
  print/preview.cpp
  print/print_document.cpp
  print/printer.cpp
)
