// The exceptions of the shared library: a size beyond what the data may hold, a failed system call.
#pragma once
#include <stdexcept>

class AOverflowError : public std::overflow_error {
public:
    AOverflowError() : std::overflow_error("size limit exceeded") {}
};

class ASystemError : public std::runtime_error {
public:
    explicit ASystemError(const char* what = "system call failed") : std::runtime_error(what) {}
};
