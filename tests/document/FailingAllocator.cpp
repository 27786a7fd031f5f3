// The program-wide operator new and delete of the document tests: plain malloc and free, with a
// failure that a FailingAllocation arms. Every form that allocates one object is replaced, so
// that what one of them allocates is always released by its own counterpart.
#include "FailingAllocator.h"

#include <cstdlib>
#include <new>

namespace {

thread_local long t_succeedBeforeFailure = -1; // -1: not armed
thread_local bool t_fired = false;

void* Allocate(std::size_t size) {
    if (t_succeedBeforeFailure == 0) {
        t_succeedBeforeFailure = -1;
        t_fired = true;
        throw std::bad_alloc();
    }
    if (t_succeedBeforeFailure > 0) {
        --t_succeedBeforeFailure;
    }
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

} // namespace

namespace tembra::test {

FailingAllocation::FailingAllocation(long succeed) {
    t_fired = false;
    t_succeedBeforeFailure = succeed;
}

FailingAllocation::~FailingAllocation() {
    t_succeedBeforeFailure = -1;
}

bool FailingAllocation::Fired() const {
    return t_fired;
}

} // namespace tembra::test

void* operator new(std::size_t size) {
    return Allocate(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
