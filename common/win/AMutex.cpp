// AMutex: OpenMutexA or CreateMutexA, WaitForSingleObject and ReleaseMutex.
#include "common/win/AMutex.h"

#include "common/AError.h"
#include "common/ObjectName.h"
#include "common/win/FileSystem.h"
#include "common/win/WideText.h"

AMutex::AMutex(std::string_view name)
    : name_(MakeObjectName(name.empty() ? AnsiText(ProgramPath()) : std::string(name)))
{
    handle_ = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name_.c_str());
    existed_ = handle_ != nullptr;
    if (!handle_)
        handle_ = CreateMutexA(nullptr, FALSE, name_.c_str());
    if (!handle_)
        throw ASystemError("the mutex cannot be opened");
}

AMutex::~AMutex()
{
    while (depth_ > 0)
        Unlock();
    CloseHandle(handle_);
}

void AMutex::Lock()
{
    const DWORD result = WaitForSingleObject(handle_, INFINITE);
    if (result != WAIT_OBJECT_0 && result != WAIT_ABANDONED)
        throw ASystemError("the mutex cannot be locked");
    ++depth_;
}

void AMutex::Unlock() noexcept
{
    if (depth_ <= 0)
        return;
    --depth_;
    ReleaseMutex(handle_);
}
