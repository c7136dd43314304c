// AMutex: a named mutex shared by processes, with nested locks and a scope that holds one.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

class AMutex {
public:
    // Opens the mutex of that name, or creates it (not owned) when it does not exist yet.
    // The name is made fit first (MakeObjectName); an empty name stands for the program's
    // module file name. Throws ASystemError when the mutex can be neither opened nor created.
    explicit AMutex(std::string_view name = {});
    // Releases the mutex once for every lock still held, then closes it.
    virtual ~AMutex();
    AMutex(const AMutex&) = delete;
    AMutex& operator=(const AMutex&) = delete;

    // Waits without a time limit; a mutex abandoned by a process that died counts as
    // acquired. Locks nest within one process. Throws ASystemError when the wait fails.
    void Lock();
    // Releases one lock; does nothing while none is held.
    void Unlock() noexcept;

    [[nodiscard]] int Depth() const noexcept { return depth_; }
    [[nodiscard]] const std::string& Name() const noexcept { return name_; }
    // True when another holder had already made the mutex when this one was opened.
    [[nodiscard]] bool Existed() const noexcept { return existed_; }

    // Holds one lock of the mutex for as long as it lives.
    class Holder {
    public:
        explicit Holder(AMutex& mutex) : mutex_(mutex) { mutex_.Lock(); }
        ~Holder() { mutex_.Unlock(); }
        Holder(const Holder&) = delete;
        Holder& operator=(const Holder&) = delete;

    private:
        AMutex& mutex_;
    };

private:
    int depth_ = 0;  // invariant: the number of times this object holds the mutex
    std::string name_;
    HANDLE handle_ = nullptr;
    bool existed_ = false;
};
