// The byte editor: patches single bytes of a file on disk, apart from the document.
#pragma once

// Lets the user choose a file, then shows and changes its bytes in a dialog.
void OpenByteEditor();
