// How varo-host's process keeps its memory. A rebuild of a large table frees and makes tens of
// thousands of objects, some 20 MiB of them; memory the allocator gave back to the system in
// between would be faulted in again, page by page, on every edit.
#pragma once

namespace script {

// Freed memory stays with the process for the next allocations, up to 256 MiB of it (the
// session's peak is well under that), and blocks up to 32 MiB come from the allocator's own
// heap rather than a mapping of their own that freeing them would unmap. Call first in main.
void keepFreedMemory();

} // namespace script
