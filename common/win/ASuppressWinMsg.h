// ASuppressWinMsg: while any scope of it lives, the system shows no critical-error boxes.
#pragma once

class ASuppressWinMsg {
public:
    ASuppressWinMsg() noexcept;
    ~ASuppressWinMsg();
    ASuppressWinMsg(const ASuppressWinMsg&) = delete;
    ASuppressWinMsg& operator=(const ASuppressWinMsg&) = delete;

    [[nodiscard]] static int Depth() noexcept;
};
