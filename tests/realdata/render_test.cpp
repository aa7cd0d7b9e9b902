#include <gtest/gtest.h>

#include <string>

#include "render/picturefile.h"
#include "render/pngoutput.h"
#include "support/realdata.h"
#include "support/scratchdir.h"

namespace vetra {
namespace {

// Every real level gives a picture, or is refused with a reason; a tileset the renderer cannot read is named.
TEST(RealRender, EveryLevelRendersOrIsRefusedWithAReason) {
    VETRA_REQUIRE_REALDATA();
    test::ScratchDir dir;
    int drawn = 0;
    for (const std::string& level : test::RealDataFiles(".lvl")) {
        render::LoadedPicture loaded = render::LoadPicture(level);
        if (!loaded.picture) {
            ASSERT_NE(loaded.result.FirstProblem(), nullptr) << level;
            EXPECT_FALSE(loaded.result.FirstProblem()->reason.empty()) << level;
            continue;
        }
        for (const Notice& notice : loaded.result.notices) ADD_FAILURE() << level << ": " << notice.text;
        render::RenderView view{loaded.picture->Occupied(), 1};
        FileResult written = render::WritePng(loaded, view, dir.File("picture.png"));
        EXPECT_TRUE(written.Done()) << level;
        ++drawn;
    }
    EXPECT_GT(drawn, 0);
}

}  // namespace
}  // namespace vetra
