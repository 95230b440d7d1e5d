#include "app/recent_files.h"

// The recent-files list is not built yet, so there is nothing to record.
void RecordRecentFile(const char*, bool) {}
