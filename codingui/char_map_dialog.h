// The Other menu's "&CharMap ...": every code from 0x20 to 0xFF drawn in the
// editor's font and view coding; the codes picked go into the document.
#pragma once

void CharMapCommand();
