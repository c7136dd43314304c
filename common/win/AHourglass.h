// AHourglass: shows the hourglass cursor for as long as it lives.
#pragma once
#include <windows.h>

class AHourglass {
public:
    AHourglass() noexcept;
    ~AHourglass();  // puts the previous cursor back
    AHourglass(const AHourglass&) = delete;
    AHourglass& operator=(const AHourglass&) = delete;

private:
    HCURSOR previous_;
};
