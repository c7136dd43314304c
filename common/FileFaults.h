// FileFaults: a plan that makes the Nth file operation of the thread that armed it fail, so that
// tests can walk every step of a save or a backup, once and from some step on.
#pragma once
#include <cstdint>

// The operations that change files. Every call of the program that writes, sizes, flushes,
// renames, deletes or creates a file, or changes its attributes or times, is one of these and
// asks FileFaults first (common/win/FileCalls).
enum class FileOperation : uint8_t { Create, Write, Flush, SetSize, Rename, Delete, Attributes, Kinds };

struct FaultPlan {
    enum class Mode : uint8_t {
        Fail,    // the call is not made; it fails with `error`
        Silent,  // the call is not made; it reports success, as a file system that lies does
    };
    uint64_t failAt = 0;      // the operation to fail, counting from 1; 0 counts and fails none
    bool persistent = false;  // the operations after it fail as well
    Mode mode = Mode::Fail;
    uint32_t error = 0;       // the system's error code the failed call leaves
};

namespace FileFaults {
// Counts and fails the operations of the calling thread from now on, from a count of 0.
// Operations of other threads pass unharmed and uncounted.
void Arm(const FaultPlan& plan) noexcept;
// Every operation passes again.
void Disarm() noexcept;
// The operations counted since the last Arm: all, or those of one kind.
[[nodiscard]] uint64_t Count() noexcept;
[[nodiscard]] uint64_t Count(FileOperation operation) noexcept;
// Called by each operation before it is made: the plan's answer for it, or null when it goes on.
[[nodiscard]] const FaultPlan* Next(FileOperation operation) noexcept;
} // namespace FileFaults
