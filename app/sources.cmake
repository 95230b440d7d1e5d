# Sources of app/. app/winmain.cpp belongs to verko.exe alone, so the program
# tests can start the program through app/startup.h.
set(APP_PORTABLE
  app/command_line.cpp
  app/recent_list.cpp
  app/startup_rules.cpp
  app/status_text.cpp
  app/toolbar_buttons.cpp
)
set(APP_WIN32
  app/about.cpp
  app/command_enabling.cpp
  app/command_table.cpp
  app/editor_host.cpp
  app/help_window.cpp
  app/main_window.cpp
  app/menu_handling.cpp
  app/message_loop.cpp
  app/options_dialog.cpp
  app/program_folder.cpp
  app/recent_files.cpp
  app/recent_menu.cpp
  app/startup.cpp
  app/status_bar.cpp
  app/toolbar.cpp
  app/toolbar_notify.cpp
  app/window_placement.cpp
)
