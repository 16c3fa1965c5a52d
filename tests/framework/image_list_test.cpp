// Image lists built from the resource pictures draw those pictures: the
// outline stays, the mask colour lets the background through. An 8-bit list
// filled from 8-bit pictures is where colour tables get lost.
#include <gtest/gtest.h>

#include "image_list.h"
#include "module.h"
#include "resource.h"
#include "window_pixels.h"

namespace {

WindowPixels DrawOnGreen(const CImageList& images, int index, int size) {
    return WindowPixels(SIZE{size, size}, RGB(0, 255, 0), [&](HDC dc) { images.Draw(dc, index, POINT{0, 0}, ILD_NORMAL); });
}

TEST(ImageList, PanelIconsKeepTheirOutlineAndLetTheBackgroundThrough) {
    CImageList icons;
    ASSERT_TRUE(icons.Create(16, 16, ILC_COLOR8 | ILC_MASK, 0, 1));
    for (UINT id : {IDB_FILE, IDB_HTML, IDB_VRML, IDB_PICTURE, IDB_SOUND, IDB_FOLDER, IDB_PARENT_ENTRY, IDB_LINK})
        EXPECT_NE(icons.AddBitmapResource(id, RGB(255, 255, 255)), -1) << id;
    ASSERT_EQ(icons.GetImageCount(), 8);
    const auto file = DrawOnGreen(icons, 0, 16);
    EXPECT_EQ(file.At(0, 0), RGB(0, 255, 0));  // outside the page: transparent
    EXPECT_EQ(file.At(2, 0), RGB(0, 0, 0));  // the page's outline
    const COLORREF paper = file.At(3, 5);
    EXPECT_NE(paper, RGB(0, 255, 0));  // the page itself is not
    EXPECT_GT(GetRValue(paper) + GetGValue(paper) + GetBValue(paper), 600);
    const auto folder = DrawOnGreen(icons, 5, 16);
    EXPECT_EQ(folder.At(0, 8), RGB(0, 0, 0));
    EXPECT_EQ(folder.At(5, 8), folder.At(5, 9));  // one yellow fill
    EXPECT_GT(GetRValue(folder.At(5, 8)), 200);
}

TEST(ImageList, TheDragImageComesWithNavyTransparent) {
    CImageList drag;
    ASSERT_TRUE(drag.Create(IDB_DRAG_MULTIPLE, 24, 1, RGB(0, 0, 128)));
    ASSERT_EQ(drag.GetImageCount(), 1);
    const auto pixels = DrawOnGreen(drag, 0, 24);
    EXPECT_EQ(pixels.At(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(pixels.At(2, 1), RGB(0, 0, 0));  // the first page's corner
}

}  // namespace
