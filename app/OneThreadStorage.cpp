// Where the C++ library keeps its per-thread data (the exception being
// handled, above all) in a program with one thread.
//
// The compiler emulates thread-local variables on this target: each has a
// control object, and the runtime's __emutls_get_address gives the
// calling thread's copy. The runtime's version keeps a table per thread
// made under a once-only lock, which brings in the whole thread library
// (about 24 KB) for a program that never starts a thread: everything it
// does runs on its window thread. Here each variable has one copy, made
// at its first use from its initial value, and the linker leaves the
// runtime's version out. The test programs, which start threads, keep the
// runtime's.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// As the compiler lays out a variable's control object.
struct EmulatedVariable {
    std::uintptr_t size;
    std::uintptr_t align;
    void* copy;  // the runtime keeps an index here; this file, the copy
    void* initial;
};

}  // namespace

extern "C" {

void* __emutls_get_address(EmulatedVariable* variable) {
    if (variable->copy) return variable->copy;
    const std::size_t align = variable->align > alignof(max_align_t)
                                  ? static_cast<std::size_t>(variable->align)
                                  : alignof(max_align_t);
    // Rounded up to its alignment, as aligned allocation asks; never freed:
    // the copy lives as long as the program.
    const std::size_t size = (static_cast<std::size_t>(variable->size) + align - 1) / align * align;
    void* copy = _aligned_malloc(size, align);
    if (!copy) std::abort();
    if (variable->initial) {
        std::memcpy(copy, variable->initial, static_cast<std::size_t>(variable->size));
    } else {
        std::memset(copy, 0, static_cast<std::size_t>(variable->size));
    }
    variable->copy = copy;
    return copy;
}

// A common variable defined in several objects: the largest size and
// alignment, the initial value of the one of that size.
void __emutls_register_common(EmulatedVariable* variable, std::uintptr_t size,
                              std::uintptr_t align, void* initial) {
    if (variable->size < size) {
        variable->size = size;
        variable->initial = nullptr;
    }
    if (variable->align < align) variable->align = align;
    if (initial && size == variable->size) variable->initial = initial;
}

}  // extern "C"
