// AMutex: the fitted name, opening an existing mutex, nested locks and their release at the end.
#include "common/win/AMutex.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

// Whether another thread (so another owner) could take the mutex right now.
bool FreeForOthers(const char* name)
{
    bool free = false;
    std::thread other([&] {
        HANDLE handle = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, name);
        const DWORD result = handle ? WaitForSingleObject(handle, 0) : WAIT_FAILED;
        free = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        if (free)
            ReleaseMutex(handle);
        if (handle)
            CloseHandle(handle);
    });
    other.join();
    return free;
}

TEST(AMutex, NameIsFittedAndASecondOpenerFindsTheFirst)
{
    AMutex first("QX tests\\mutex.one");
    EXPECT_EQ(first.Name(), "QX_tests_mutex_one");
    EXPECT_FALSE(first.Existed());
    AMutex second("QX tests\\mutex.one");
    EXPECT_TRUE(second.Existed());
    // Without a name the program's path stands for it, fitted the same way.
    AMutex unnamed;
    EXPECT_EQ(unnamed.Name().find_first_of("\\. "), std::string::npos);
    EXPECT_NE(unnamed.Name().find("win_backup_exe"), std::string::npos);
}

TEST(AMutex, LocksNestAndTheEndReleasesAllStillHeld)
{
    const char* name = "QX_tests_mutex_nested";
    auto mutex = std::make_unique<AMutex>(name);
    const AMutex witness(name);  // keeps the mutex in existence once the first one ends
    mutex->Lock();
    mutex->Lock();
    {
        AMutex::Holder hold(*mutex);
        EXPECT_EQ(mutex->Depth(), 3);
    }
    EXPECT_EQ(mutex->Depth(), 2);
    mutex->Unlock();
    EXPECT_FALSE(FreeForOthers(name)) << "one lock is still held";
    mutex->Lock();
    mutex.reset();
    EXPECT_TRUE(FreeForOthers(name));
}

TEST(AMutex, UnlockWithoutALockDoesNothing)
{
    AMutex mutex("QX_tests_mutex_idle");
    mutex.Unlock();
    EXPECT_EQ(mutex.Depth(), 0);
    EXPECT_TRUE(FreeForOthers("QX_tests_mutex_idle"));
}

} // namespace
