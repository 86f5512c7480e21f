#include <gtest/gtest.h>

#include <string>

#include "app/site/favicon_hook.h"

namespace Scribenta {
namespace {

TEST(FaviconHook, StartsEmptyAndHoldsWhatIsInstalledForTheWholeProcess) {
    EXPECT_FALSE(favicon_generator());
    EXPECT_EQ(&favicon_generator(), &favicon_generator());

    FaviconRequest seen;
    favicon_generator() = [&seen](const FaviconRequest& request) {
        seen = request;
        return std::string("done");
    };
    EXPECT_EQ(favicon_generator()({"/site/images/logo.svg", "/site/favicon", ""}), "done");
    EXPECT_EQ(seen.source, "/site/images/logo.svg");
    EXPECT_EQ(seen.out_dir, "/site/favicon");
    EXPECT_EQ(seen.background, "");

    favicon_generator() = nullptr;
    EXPECT_FALSE(favicon_generator());
}

}  // namespace
}  // namespace Scribenta
