// Memory the program holds but no longer uses, handed back to the system while it waits.
#pragma once

#include <cstddef>

namespace tessivar::x11 {

// Makes large blocks (decoded pictures, a decoder's working memory) mapped on their own, so that
// each goes back to the system the moment it is freed. By default the allocator raises this
// limit after the first such block is freed, and then keeps later ones for itself. Call once, at
// the start of the program.
void map_large_blocks_apart();

// Frees the allocator's free pages, and drops from memory the pages of the program file's
// read-only data, where the pictures are kept: once a window's pictures are decoded their bytes
// lie unused, and a page that is needed again is read back from the file (it is still in the
// system's cache). Returns how many bytes of read-only data were let go.
std::size_t return_unused_memory();

}  // namespace tessivar::x11
