#!/usr/bin/env bash
# Makes sure a real printer is there for the printing tests: the print
# scheduler running and a PDF queue "VerkoPDF" as the default. Quick when all
# is there; needs root to start or add anything.
set -euo pipefail
queue=VerkoPDF

if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  cupsd
  for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.1; done
fi
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  lpadmin -p "$queue" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
fi
lpstat -d 2>/dev/null | grep -q ": $queue\$" || lpadmin -d "$queue"
