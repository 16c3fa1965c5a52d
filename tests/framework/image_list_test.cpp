// Image lists built from the resource pictures draw those pictures: the
// outline stays, the mask colour lets the background through. An 8-bit list
// filled from 8-bit pictures is where colour tables get lost.
#include <gtest/gtest.h>

#include <vector>

#include "image_list.h"
#include "module.h"
#include "resource.h"

namespace {

// Draws image `index` of `images` on green and returns the pixels.
std::vector<COLORREF> DrawOnGreen(const CImageList& images, int index, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all = {0, 0, width, height};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(dc, &all, green);
    images.Draw(dc, index, POINT{0, 0}, ILD_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(green);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST(ImageList, PanelIconsKeepTheirOutlineAndLetTheBackgroundThrough) {
    CImageList icons;
    ASSERT_TRUE(icons.Create(16, 16, ILC_COLOR8 | ILC_MASK, 0, 1));
    for (UINT id : {IDB_FILE, IDB_HTML, IDB_VRML, IDB_PICTURE, IDB_SOUND, IDB_FOLDER, IDB_PARENT_ENTRY, IDB_LINK})
        EXPECT_NE(icons.AddBitmapResource(id, RGB(255, 255, 255)), -1) << id;
    ASSERT_EQ(icons.GetImageCount(), 8);
    const auto file = DrawOnGreen(icons, 0, 16, 16);
    EXPECT_EQ(file[0 * 16 + 0], RGB(0, 255, 0));  // outside the page: transparent
    EXPECT_EQ(file[0 * 16 + 2], RGB(0, 0, 0));    // the page's outline
    const COLORREF paper = file[5 * 16 + 3];
    EXPECT_NE(paper, RGB(0, 255, 0));             // the page itself is not
    EXPECT_GT(GetRValue(paper) + GetGValue(paper) + GetBValue(paper), 600);
    const auto folder = DrawOnGreen(icons, 5, 16, 16);
    EXPECT_EQ(folder[8 * 16 + 0], RGB(0, 0, 0));
    EXPECT_EQ(folder[8 * 16 + 5], folder[9 * 16 + 5]);  // one yellow fill
    EXPECT_GT(GetRValue(folder[8 * 16 + 5]), 200);
}

TEST(ImageList, TheDragImageComesWithNavyTransparent) {
    CImageList drag;
    ASSERT_TRUE(drag.Create(IDB_DRAG_MULTIPLE, 24, 1, RGB(0, 0, 128)));
    ASSERT_EQ(drag.GetImageCount(), 1);
    const auto pixels = DrawOnGreen(drag, 0, 24, 24);
    EXPECT_EQ(pixels[0], RGB(0, 255, 0));
    EXPECT_EQ(pixels[1 * 24 + 2], RGB(0, 0, 0));  // the first page's corner
}

}  // namespace
