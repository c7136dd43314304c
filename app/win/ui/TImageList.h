// TImageList: 16 x 16 images for tool bars, each drawn into place by a painting function.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <functional>

class TImageList {
public:
    static constexpr int Size = 16;

    TImageList();
    ~TImageList();
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;

    [[nodiscard]] HIMAGELIST Handle() const noexcept { return list_; }
    [[nodiscard]] int Count() const noexcept;

    // Adds an image painted by `paint` on a 16 x 16 device context; the pixels it leaves in
    // `transparent` stay see-through. Returns the image's index, -1 when it could not be added.
    int Add(const std::function<void(HDC dc)>& paint, COLORREF transparent = RGB(255, 0, 255));

private:
    HIMAGELIST list_;
};
