// Page Setup: margins and paper for the rest of the run.
#pragma once

// Shows the system's page-setup dialog; Cancel changes nothing.
void PageSetup();
