// Memory the program holds but no longer uses, handed back to the system while it waits.
#pragma once

#include <cstddef>

namespace tessivar::x11 {

// Frees the allocator's free pages, and drops from memory the pages of the program file's
// read-only data, where the pictures are kept: once a window's pictures are decoded their bytes
// lie unused, and a page that is needed again is read back from the file (it is still in the
// system's cache). Returns how many bytes of read-only data were let go.
std::size_t return_unused_memory();

}  // namespace tessivar::x11
