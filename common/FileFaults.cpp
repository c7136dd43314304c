// FileFaults: one plan per process, answered only on the thread that armed it.
#include "common/FileFaults.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace {

// Armed is read on every file operation without a lock; the rest only under it.
std::atomic<bool> armed{false};
std::mutex planLock;
FaultPlan plan;
std::thread::id planThread;
uint64_t counted = 0;
uint64_t countedOf[static_cast<size_t>(FileOperation::Kinds)] = {};

} // namespace

void FileFaults::Arm(const FaultPlan& newPlan) noexcept
{
    const std::lock_guard<std::mutex> lock(planLock);
    plan = newPlan;
    planThread = std::this_thread::get_id();
    counted = 0;
    for (uint64_t& count : countedOf)
        count = 0;
    armed = true;
}

void FileFaults::Disarm() noexcept
{
    const std::lock_guard<std::mutex> lock(planLock);
    armed = false;
}

uint64_t FileFaults::Count() noexcept
{
    const std::lock_guard<std::mutex> lock(planLock);
    return counted;
}

uint64_t FileFaults::Count(FileOperation operation) noexcept
{
    const std::lock_guard<std::mutex> lock(planLock);
    return countedOf[static_cast<size_t>(operation)];
}

const FaultPlan* FileFaults::Next(FileOperation operation) noexcept
{
    if (!armed)
        return nullptr;
    const std::lock_guard<std::mutex> lock(planLock);
    if (!armed || std::this_thread::get_id() != planThread)
        return nullptr;
    ++counted;
    ++countedOf[static_cast<size_t>(operation)];
    const bool fails = plan.failAt != 0 && (counted == plan.failAt || (plan.persistent && counted > plan.failAt));
    return fails ? &plan : nullptr;
}
