// ABasePoint and ABaseRect: a point and a rectangle of plain numbers, as kept in the control's
// cell arrays (trivially copyable, so a _CVec moves them as blocks).
#pragma once

template <class T>
struct ABasePoint {
    T x{};
    T y{};

    bool operator==(const ABasePoint&) const = default;
};

// Half-open in both directions: [left, right) x [top, bottom).
template <class T>
struct ABaseRect {
    T left{};
    T top{};
    T right{};
    T bottom{};

    [[nodiscard]] constexpr T width() const noexcept { return right - left; }
    [[nodiscard]] constexpr T height() const noexcept { return bottom - top; }
    [[nodiscard]] constexpr ABasePoint<T> topLeft() const noexcept { return {left, top}; }
    // The same rectangle with left <= right and top <= bottom.
    [[nodiscard]] constexpr ABaseRect normalized() const noexcept
    {
        return {left < right ? left : right, top < bottom ? top : bottom, left < right ? right : left,
                top < bottom ? bottom : top};
    }
    bool operator==(const ABaseRect&) const = default;
};
