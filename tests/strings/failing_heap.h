#pragma once

// Allocations (and reallocations) still granted before every further one
// fails; -1 grants all.
extern int FailingHeapAllocationsLeft;
