#include "MemoryPolicy.h"

#include <malloc.h>

namespace script {

void keepFreedMemory()
{
    // Each is a hint: an allocator that refuses it leaves the process as fast as before it.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
}

} // namespace script
