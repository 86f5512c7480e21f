#pragma once

#include <string>

namespace Scribenta {

// What the favicon generator is asked to do: draw `source` (an SVG or a
// raster image file) into the favicon set written to `out_dir`, on the
// colour `background` (empty means "#ffffff").
struct FaviconRequest {
    std::string source;
    std::string out_dir;
    std::string background;
};

}  // namespace Scribenta
