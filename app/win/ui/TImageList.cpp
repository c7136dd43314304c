// TImageList: 16 x 16 images for tool bars, each drawn into place by a painting function.
#include "app/win/ui/TImageList.h"

TImageList::TImageList() : list_(ImageList_Create(Size, Size, ILC_COLOR24 | ILC_MASK, 8, 8)) {}

TImageList::~TImageList()
{
    if (list_)
        ImageList_Destroy(list_);
}

int TImageList::Count() const noexcept { return list_ ? ImageList_GetImageCount(list_) : 0; }

int TImageList::Add(const std::function<void(HDC dc)>& paint, COLORREF transparent)
{
    if (!list_)
        return -1;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, Size, Size);
    ReleaseDC(nullptr, screen);
    int index = -1;
    if (dc && bitmap) {
        const HGDIOBJ old = SelectObject(dc, bitmap);
        const HBRUSH background = CreateSolidBrush(transparent);
        const RECT all{0, 0, Size, Size};
        FillRect(dc, &all, background);
        DeleteObject(background);
        paint(dc);
        SelectObject(dc, old);
        index = ImageList_AddMasked(list_, bitmap, transparent);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (dc)
        DeleteDC(dc);
    return index;
}
