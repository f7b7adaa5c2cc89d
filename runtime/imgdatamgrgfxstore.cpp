#include "runtime/imgdatamgrgfxstore.h"

#include "foundation/helpers.h"
#include "runtime/imgdata.h"
#include "runtime/imgdatamgr.h"

bool ImgDataMgrGfxStore::FindComposed(const QString& description, QImage& image) {
    ImgDataMgr* mgr = ImgDataMgr::Instance();
    if (!mgr)
        return false;
    const ImgData* entry = mgr->FindImgData(StringHash(description));
    if (!entry)
        return false;
    image = entry->Image;
    return true;
}

void ImgDataMgrGfxStore::AddComposed(const QString& description, const QImage& image) {
    ImgDataMgr* mgr = ImgDataMgr::Instance();
    if (!mgr)
        return;
    ImgData data;
    data.Image = image;
    data.SourceName = description;
    mgr->AddImgData(data);
}

quint64 ImgDataMgrGfxStore::RegisterImage(const QImage& image) {
    ImgDataMgr* mgr = ImgDataMgr::Instance();
    return mgr ? mgr->AddImage(image) : 0;
}
