// The main window's 16 x 16 tool images, painted by code.
#include "app/win/documents/ToolImages.h"

#include <initializer_list>

namespace {

void Polygon(HDC dc, std::initializer_list<POINT> points, COLORREF fill, COLORREF edge)
{
    const HBRUSH brush = CreateSolidBrush(fill);
    const HPEN pen = CreatePen(PS_SOLID, 1, edge);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    ::Polygon(dc, points.begin(), static_cast<int>(points.size()));
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

void Box(HDC dc, int left, int top, int right, int bottom, COLORREF fill, COLORREF edge)
{
    Polygon(dc, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}, fill, edge);
}

void Line(HDC dc, std::initializer_list<POINT> points, COLORREF colour, int width)
{
    const HPEN pen = CreatePen(PS_SOLID, width, colour);
    const HGDIOBJ old = SelectObject(dc, pen);
    Polyline(dc, points.begin(), static_cast<int>(points.size()));
    SelectObject(dc, old);
    DeleteObject(pen);
}

constexpr COLORREF kArrow = RGB(0, 96, 160);
constexpr COLORREF kDark = RGB(0, 0, 0);

} // namespace

void AddToolImages(TImageList& images)
{
    images.Add([](HDC dc) { Polygon(dc, {{2, 8}, {8, 2}, {8, 5}, {14, 5}, {14, 11}, {8, 11}, {8, 14}}, kArrow, kDark); });
    images.Add([](HDC dc) { Polygon(dc, {{14, 8}, {8, 2}, {8, 5}, {2, 5}, {2, 11}, {8, 11}, {8, 14}}, kArrow, kDark); });
    images.Add([](HDC dc) {
        Arc(dc, 2, 2, 14, 14, 14, 8, 8, 2);
        Line(dc, {{12, 4}, {8, 8}, {8, 8}}, RGB(0, 128, 0), 1);
        Line(dc, {{13, 8}, {11, 4}, {4, 3}, {2, 8}, {4, 12}, {8, 14}, {12, 12}}, RGB(0, 128, 0), 2);
        Polygon(dc, {{10, 1}, {14, 5}, {9, 6}}, RGB(0, 128, 0), RGB(0, 96, 0));
    });
    images.Add([](HDC dc) {
        Box(dc, 1, 3, 7, 5, RGB(224, 192, 64), RGB(128, 96, 0));
        Box(dc, 1, 5, 14, 13, RGB(240, 208, 96), RGB(128, 96, 0));
    });
    images.Add([](HDC dc) {
        Polygon(dc, {{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}, RGB(255, 255, 255), kDark);
        Line(dc, {{10, 1}, {10, 4}, {13, 4}}, kDark, 1);
    });
    images.Add([](HDC dc) {
        Box(dc, 1, 1, 14, 14, RGB(48, 64, 160), kDark);
        Box(dc, 4, 2, 11, 7, RGB(255, 255, 255), kDark);
        Box(dc, 4, 10, 11, 14, RGB(192, 192, 192), kDark);
    });
    images.Add([](HDC dc) {
        Line(dc, {{3, 3}, {13, 13}}, RGB(192, 0, 0), 3);
        Line(dc, {{13, 3}, {3, 13}}, RGB(192, 0, 0), 3);
    });
}
