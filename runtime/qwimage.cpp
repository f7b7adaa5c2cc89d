#include "runtime/qwimage.h"

#include "config/datacfgrecords.h"
#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/pal/pal.h"
#include "runtime/boundedimage.h"
#include "runtime/dcobj.h"
#include "runtime/imgdatamgr.h"
#include "runtime/webimagecache.h"

#include <QScriptEngine>

QWImage::QWImage(QScriptEngine* engine, QObject* parent) : QObject(parent), m_engine(engine) {}

void QWImage::Clear() {
    m_image = QImage();
}

bool QWImage::LoadGfx(const QString& name) {
    PROFILE_SCOPE("QWImage::LoadGfx");
    if (name.isEmpty())
        return false;
    DataCfg* cfg = DataCfg::Instance();
    DataCfg::TGfx gfx = cfg ? cfg->FindGfx(name) : DataCfg::TGfx();
    if (!gfx.Name.isEmpty()) {
        m_image = gfx.GetImage();
    } else {
        ImgDataMgr* mgr = ImgDataMgr::Instance();
        ImgData* cached = mgr ? mgr->FindImgData(StringHash(name)) : nullptr;
        if (cached) {
            m_image = cached->Image;
        } else {
            m_image = BoundedImage::ReadFile(name);
            if (mgr && !m_image.isNull()) {
                ImgData data;
                data.Image = m_image;
                data.SourceName = name;
                mgr->AddImgData(data);
            }
        }
    }
    if (m_image.width() < 1)
        m_image = PAL::LoadIconImage(name);
    return m_image.width() >= 1;
}

bool QWImage::LoadUrl(const QString& url) {
    WebImageCache* cache = WebImageCache::Instance();
    const QImage img = cache ? cache->GetImage(url) : QImage();
    if (img.isNull())
        return false;
    m_image = img;
    return true;
}

void QWImage::Resize(int w, int h) {
    if (w > 0 && h > 0 && !BoundedImage::SizeAllowed(w, h)) {
        QLOG_DEBUG() << "QWImage::Resize: size refused:" << w << h;
        return;
    }
    m_image = m_image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void QWImage::Mask(QObject*) {}

QScriptValue QWImage::Copy() {
    auto* copy = new QWImage(m_engine);
    copy->m_image = m_image.copy();
    return DCObj::ToScriptOwned(m_engine, copy);
}
