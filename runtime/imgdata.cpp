#include "imgdata.h"

ImgData::ImgData()
    : PixmapValid(false), EncodingValid(false), HashValid(false), ImageKey(-1), ContentId(0), EncodingScale(0) {}

void ImgData::SyncCacheKey() {
    const qint64 key = Image.cacheKey();
    if (key == ImageKey)
        return;
    ImageKey = key;
    PixmapValid = false;
    EncodingValid = false;
    HashValid = false;
}
