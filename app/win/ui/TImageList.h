// TImageList: square images for tool bars (16 x 16 at 96 DPI), each drawn into place by a painting function.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <vector>

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

    // Paints every image again at `pixels` square, the 16 x 16 drawing scaled up or down.
    // The list's handle changes: whoever shows it takes the new one.
    void SetImageSize(int pixels);
    [[nodiscard]] int ImageSize() const noexcept { return size_; }

private:
    struct Image {
        std::function<void(HDC dc)> paint;
        COLORREF transparent;
    };
    int AddImage(const Image& image);

    int size_ = Size;
    HIMAGELIST list_;
    std::vector<Image> images_;
};
