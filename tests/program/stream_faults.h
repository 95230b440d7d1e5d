// Disks that fail on cue: this program links its own file reads and writes of
// the editor's streams (editor/stream_io.h) in place of the program's.
#pragma once
#include <cstdint>

// Writes fail with ERROR_DISK_FULL once this many more bytes have been written. Unlimited unless set.
extern uint64_t FileWriteBudget;
// Likewise reads fail with ERROR_READ_FAULT once this many more bytes have been read.
extern uint64_t FileReadBudget;
