#!/usr/bin/env bash
# Fails when the program's sources break a house rule the compiler does not
# check: a message sent to the editor window outside its typed calls.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$ROOT" || exit 1
failed=0
report() { [ -n "$2" ] && { echo "check_structure: $1"; echo "$2"; failed=1; }; }

# Messages to the editor window go through the typed calls of editor/editor_calls.h.
found=$(grep -rnE 'SendEditor\(|(Send|Post)Message[AW]?\(App\.EditorWindow|SetWindowText[AW]?\(App\.EditorWindow' \
          app editor coding textctl | grep -vE '^editor/editor_calls\.(h|cpp):')
report "a raw message to the editor window outside editor/editor_calls.h:" "$found"

[ "$failed" -eq 0 ] && echo "check_structure: passed"
exit "$failed"
