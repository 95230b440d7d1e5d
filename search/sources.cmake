# Sources of search/.
set(SEARCH_PORTABLE
  search/backward_find.cpp
  search/history_order.cpp
  search/replace_span.cpp
  search/search_text.cpp
)
set(SEARCH_WIN32
  search/find_dialog.cpp
  search/find_step.cpp
  search/occurrences.cpp
  search/replace_prompt.cpp
  search/replace_rest.cpp
  search/search_commands.cpp
  search/search_history.cpp
  search/search_state.cpp
)
