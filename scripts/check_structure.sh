#!/usr/bin/env bash
# Fails when the program's sources break a house rule the compiler does not
# check: an include that points up the layers, a message sent to the editor
# window outside its typed calls, a raw text-control message to any instance,
# a registry call outside the settings store, a file-level static instead of
# an anonymous namespace.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$ROOT" || exit 1
failed=0
report() { [ -n "$2" ] && { echo "check_structure: $1"; echo "$2"; failed=1; }; }

# Each folder includes only from itself and the folders below it:
# app -> document, codingui, search, tools, print -> editor -> textctl -> coding, and editor and all above it -> settings.
folders="app document codingui search tools print editor textctl coding settings"
declare -A below=(
  [coding]=""
  [settings]=""
  [textctl]="coding"
  [editor]="textctl coding settings"
  [document]="editor textctl coding settings res"
  [codingui]="editor textctl coding settings res"
  [search]="editor textctl coding settings res"
  [tools]="editor textctl coding settings res"
  [print]="editor textctl coding settings res"
  [app]="document codingui search tools print editor textctl coding settings res"
)
for dir in "${!below[@]}"; do
  allowed=$(echo "$dir ${below[$dir]}" | sed 's/ *$//; s/ /|/g')
  found=$(grep -rnE '^\s*#\s*include\s+"[^"/]+/' "$dir" | grep -vE "#\s*include\s+\"($allowed)/")
  report "$dir/ includes from a folder above it or beside it:" "$found"
done

# Messages to the editor window go through the typed calls of editor/editor_calls.h.
found=$(grep -rnE 'SendEditor\(|(Send|Post)Message[AW]?\(\s*Editor\.Window|SetWindowText[AW]?\(\s*Editor\.Window' \
          $folders | grep -vE '^editor/editor_calls\.(h|cpp):')
report "a raw message to the editor window outside editor/editor_calls.h:" "$found"

# Messages of the text control (EM_..., TCM_...) go to any of its instances
# through typed calls: only the control itself (textctl/, with its typed calls
# textctl/textctl_calls.h) and the editor's calls name them. A file that talks
# to a standard edit control of a dialog names it here; such a file sends the
# text control nothing raw. Comments may name any message.
standard_edit_files=""   # e.g. "search/find_dialog.cpp tools/byte_editor.cpp"
found=$(grep -rnE '^([^/]|/[^/])*\b(EM|TCM)_[A-Z]' $folders | grep -vE '^(textctl/|editor/editor_calls\.(h|cpp):)')
for file in $standard_edit_files; do found=$(echo "$found" | grep -v "^$file:"); done
report "a raw text-control message outside the typed calls:" "$found"

# Only the settings store touches the registry.
found=$(grep -rnE '\bReg[A-Z][A-Za-z]*(Ex)?[AW]?\s*\(' $folders | grep -vE '^settings/')
report "a registry call outside settings/:" "$found"

# File-private functions and data live in an anonymous namespace.
found=$(grep -rnE '^static ' $folders)
report "file-level static (use an anonymous namespace):" "$found"

[ "$failed" -eq 0 ] && echo "check_structure: passed"
exit "$failed"
