// The About box.
#pragma once

void ShowAboutBox();
