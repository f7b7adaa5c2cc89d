#include "config/gfxcache.h"

#include "foundation/helpers.h"
#include "runtime/imgdata.h"
#include "runtime/imgdatamgr.h"

namespace GfxCache {

bool Find(const QString& description, QImage& image) {
    ImgDataMgr* mgr = ImgDataMgr::Instance();
    if (!mgr)
        return false;
    const ImgData* entry = mgr->FindImgData(StringHash(description));
    if (!entry)
        return false;
    image = entry->Image;
    return true;
}

void Add(const QString& description, const QImage& image) {
    ImgDataMgr* mgr = ImgDataMgr::Instance();
    if (!mgr)
        return;
    ImgData data;
    data.Image = image;
    data.SourceName = description;
    mgr->AddImgData(data);
}

} // namespace GfxCache
