// Colouring of HTML tags on request: the display format only, never the bytes.
#pragma once

// Every tag in the tag colour ("HTML"), all other text black. The bytes, the modify
// flag, the selection and the view stay as they were; the editor repaints once.
void RefreshHtmlColors();
