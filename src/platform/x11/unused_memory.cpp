#include "platform/x11/unused_memory.h"

#include <link.h>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace tessivar::x11 {
namespace {

struct ReadOnlyData {
  std::uintptr_t page = 0;
  std::size_t released = 0;
};

// Only the program's own segments that are readable and nothing else: they are never written,
// so every page of them is the file's own and can be dropped without loss. Writable segments
// (relocated tables among them) and code are left alone.
int release_read_only_segments(dl_phdr_info* info, std::size_t, void* argument) {
  auto* data = static_cast<ReadOnlyData*>(argument);
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& segment = info->dlpi_phdr[i];
    if (segment.p_type != PT_LOAD || segment.p_flags != PF_R) continue;
    const std::uintptr_t start = info->dlpi_addr + segment.p_vaddr;
    const std::uintptr_t first = (start + data->page - 1) & ~(data->page - 1);
    const std::uintptr_t end = (start + segment.p_memsz) & ~(data->page - 1);
    if (end <= first) continue;
    if (madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED) == 0) {
      data->released += end - first;
    }
  }
  return 1;  // the program itself is listed first; the libraries are not ours to manage
}

}  // namespace

void keep_freed_memory_for_reuse() {
  // Blocks up to the largest picture a window can hold (16384 x 16384 is refused long before)
  // come from the heap, and the heap shrinks only when told.
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
  // The heap's first megabyte is filled before the first window shows (the font configuration,
  // the windows' descriptions): its pages are made in one call, not one fault at a time (13 us
  // a fault has been seen on a virtual machine). What the start leaves unused is handed back
  // with the rest by return_unused_memory(). A kernel older than 5.14 refuses the call.
  constexpr std::size_t kStartHeap = 1024 * 1024;
  if (void* block = std::malloc(kStartHeap)) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + page - 1) & ~(page - 1);
    const std::uintptr_t end = (start + kStartHeap) & ~(page - 1);
    madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
    std::free(block);
  }
}

std::size_t return_unused_memory() {
  malloc_trim(0);
  ReadOnlyData data{static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE))};
  dl_iterate_phdr(release_read_only_segments, &data);
  return data.released;
}

}  // namespace tessivar::x11
