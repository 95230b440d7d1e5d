// The main window's title: "[" + the document's name + "]-VERKO".
#pragma once

void UpdateWindowTitle();
