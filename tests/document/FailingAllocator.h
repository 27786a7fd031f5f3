// Allocation failures on demand: while a FailingAllocation is armed, the allocation by operator
// new after the given number of successful ones throws std::bad_alloc, so that a test can walk
// every allocation of an operation and check that none of them leaves a half-built object.
#pragma once

namespace tembra::test {

class FailingAllocation {
public:
    // The allocation after `succeed` successful ones fails (0: the next one).
    explicit FailingAllocation(long succeed);
    ~FailingAllocation();
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;

    // Whether the failure has happened.
    bool Fired() const;
};

} // namespace tembra::test
