#pragma once
// The graphics records' image store (config/igfximagestore.h) over the image data manager: compositions are
// registered under the hash of their description, so the phone can fetch them by id. It serves whichever
// manager is current (ImgDataMgr::Instance); with none, nothing is found or kept.

#include "config/igfximagestore.h"

class ImgDataMgrGfxStore : public IGfxImageStore {
public:
    bool FindComposed(const QString& description, QImage& image) override;
    void AddComposed(const QString& description, const QImage& image) override;
    quint64 RegisterImage(const QImage& image) override;
};
