// The callback object the editor control gets with EM_SETOLECALLBACK.
#pragma once

struct OleCallbackMethods;

// Laid out as a COM object: its only member points to the method table, in
// the slot order of IRichEditOleCallback. Static, never counted, never freed.
struct OleCallbackObject {
    const OleCallbackMethods* Methods;
};

extern OleCallbackObject EditorOleCallback;
