// Memory the program holds but no longer uses, handed back to the system while it waits.
#pragma once

#include <cstddef>

namespace tessivar::x11 {

// Makes the allocator keep what is freed, large blocks too, until return_unused_memory() hands it
// back. While a window loads, the working memory of one decode (a progressive picture's
// coefficients) then becomes the pixels of the next picture, instead of going back to the
// system only for fresh pages to be faulted in again; once the window is made, the rest goes.
// By default the allocator maps large blocks apart and unmaps each as it is freed, until the
// first such free, after which it guesses. Call once, at the start of the program.
void keep_freed_memory_for_reuse();

// Frees the allocator's free pages, and drops from memory the pages of the program file's
// read-only data, where the pictures are kept: once a window's pictures are decoded their bytes
// lie unused, and a page that is needed again is read back from the file (it is still in the
// system's cache). Returns how many bytes of read-only data were let go.
std::size_t return_unused_memory();

}  // namespace tessivar::x11
