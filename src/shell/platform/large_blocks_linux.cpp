// The window program's operator new on Linux: blocks of 32 MB and more (the editor's document
// of a large output text) are mapped on transparent huge pages. Scintilla zero-fills a new
// document's buffer; on 4 KB pages the first touch of 100 MB costs about 400 ms of page faults
// on a small virtual machine, on 2 MB pages some 15 ms.
#include <sys/mman.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kLargeBlock = std::size_t{32} << 20;
// Large blocks live at once: the document shown and the one being composed, with room to spare.
constexpr std::size_t kSlots = 16;

std::atomic<void*> blocks[kSlots];
std::atomic<std::size_t> sizes[kSlots];
std::atomic<int> liveBlocks{0};

void* MapLargeBlock(std::size_t size) {
    void* block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) {
        return nullptr;
    }
    madvise(block, size, MADV_HUGEPAGE);
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        void* free = nullptr;
        if (blocks[slot].compare_exchange_strong(free, block)) {
            sizes[slot].store(size);
            liveBlocks.fetch_add(1);
            return block;
        }
    }
    munmap(block, size);  // no slot left: the ordinary heap takes it
    return nullptr;
}

bool UnmapLargeBlock(void* block) {
    if (liveBlocks.load(std::memory_order_relaxed) == 0) {
        return false;
    }
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        if (blocks[slot].load() == block) {
            const std::size_t size = sizes[slot].load();
            blocks[slot].store(nullptr);
            liveBlocks.fetch_sub(1);
            munmap(block, size);
            return true;
        }
    }
    return false;
}

}  // namespace

// The other forms of new and delete that the standard library provides call these two.
void* operator new(std::size_t size) {
    if (size >= kLargeBlock) {
        if (void* block = MapLargeBlock(size)) {
            return block;
        }
    }
    for (;;) {
        if (void* block = std::malloc(size == 0 ? 1 : size)) {
            return block;
        }
        const std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

void operator delete(void* block) noexcept {
    if (block != nullptr && !UnmapLargeBlock(block)) {
        std::free(block);
    }
}

void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}
