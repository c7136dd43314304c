// TImageList: square images for tool bars, each drawn into place by a painting function.
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
    images_.push_back({paint, transparent});
    return AddImage(images_.back());
}

void TImageList::SetImageSize(int pixels)
{
    if (pixels == size_ || pixels <= 0)
        return;
    const HIMAGELIST list = ImageList_Create(pixels, pixels, ILC_COLOR24 | ILC_MASK, 8, 8);
    if (!list)
        return;
    if (list_)
        ImageList_Destroy(list_);
    list_ = list;
    size_ = pixels;
    for (const Image& image : images_)
        AddImage(image);
}

int TImageList::AddImage(const Image& image)
{
    if (!list_)
        return -1;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, size_, size_);
    ReleaseDC(nullptr, screen);
    int index = -1;
    if (dc && bitmap) {
        const HGDIOBJ old = SelectObject(dc, bitmap);
        const HBRUSH background = CreateSolidBrush(image.transparent);
        const RECT all{0, 0, size_, size_};
        FillRect(dc, &all, background);
        DeleteObject(background);
        // The drawing is made for 16 x 16: the mapping takes it to the list's size.
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, Size, Size, nullptr);
        SetViewportExtEx(dc, size_, size_, nullptr);
        image.paint(dc);
        SetMapMode(dc, MM_TEXT);
        SelectObject(dc, old);
        index = ImageList_AddMasked(list_, bitmap, image.transparent);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (dc)
        DeleteDC(dc);
    return index;
}
