// How the C library keeps the memory the program frees. By default the GNU C library gives the
// free memory at the top of its heap back to the system as soon as it passes 128 KB, and hands
// out allocations of 128 KB and more as mappings of their own, which it unmaps when they are
// freed.
// An edit of a large chart frees about as much as it allocates (every moved process is replaced by
// a copy, and the copies of the step before are freed): memory given back at one edit would be
// asked for again, one page fault at a time, at the next.
#pragma once

namespace tembra {

// Keeps freed memory with the program up to a large limit (128 MB at the top of the heap), and
// large blocks (up to 32 MB) on the heap rather than in mappings of their own. Called once,
// before the first chart is made; calling it again changes nothing. Without the GNU C library
// it does nothing.
void KeepFreedHeapMemory();

} // namespace tembra
