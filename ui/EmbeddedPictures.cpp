#include "Pictures.h"

// The bytes of assets/banner.png and assets/chart-canvas.jpg, written into
// sources at build time.
namespace cashvane::assets {
extern const unsigned char kBannerPng[];
extern const std::size_t kBannerPngSize;
extern const unsigned char kChartCanvasJpeg[];
extern const std::size_t kChartCanvasJpegSize;
} // namespace cashvane::assets

namespace cashvane {

DecodedPicture bannerPicture()
{
    return decodePng(assets::kBannerPng, assets::kBannerPngSize);
}

DecodedPicture initialChartPicture()
{
    return decodeJpeg(assets::kChartCanvasJpeg, assets::kChartCanvasJpegSize);
}

} // namespace cashvane
