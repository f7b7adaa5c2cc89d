#pragma once
// The control runtime's objects seen through the server's interfaces: a control view as INetCtrlView and
// the image data manager as INetImages. Header only: it is compiled where both libraries are linked (the
// grid views that own the control views, the program entry that wires the server), never in the server.

#include "runtime/ctrlview.h"
#include "runtime/imgdatamgr.h"
#include "server/netservices.h"

#include <QPointer>

// Owned by the grid view next to the control view it wraps; a control view that is gone does nothing.
class NetCtrlViewAdapter : public INetCtrlView {
public:
    explicit NetCtrlViewAdapter(CtrlView* view) : m_view(view), m_id(view ? view->GetId() : -1) {}

    CtrlView* View() const { return m_view; }
    int CtrlId() const override { return m_id; }
    bool HasViewChange() const override { return m_view && m_view->HasRecordChange(); }
    void OnCheckUpdate() override {
        if (m_view)
            m_view->OnCheckUpdate();
    }
    void BuildViewUpdate(QVariantMap& diff, QVariantMap& sentScripts, QVariantMap& prev, int& changes) override {
        changes = 0;
        if (m_view)
            diff = m_view->BuildViewUpdate(sentScripts, prev, &changes);
    }
    void BuildRemoteData() override {
        if (m_view)
            m_view->BuildRemoteData();
    }
    void OnClientMessage(int ctrlId, const QString& message) override {
        if (m_view)
            m_view->OnClientMessage(ctrlId, message);
    }
    void OnExtMouseEvent(const QString& type, int x, int y, int elemId) override {
        if (m_view)
            m_view->OnExtMouseEvent(type, x, y, elemId);
    }
    void OnExtSetText(int elemId, const QString& text) override {
        if (m_view)
            m_view->OnExtSetText(elemId, text);
    }

private:
    QPointer<CtrlView> m_view;
    int m_id;
};

class NetImagesAdapter : public INetImages {
public:
    explicit NetImagesAdapter(ImgDataMgr* images) : m_images(images) {}
    QByteArray GetRscData(quint64 id, double scale) override {
        return m_images ? m_images->GetRscData(id, scale) : QByteArray();
    }

private:
    QPointer<ImgDataMgr> m_images;
};
