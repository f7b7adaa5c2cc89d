#pragma once
// The phone server's view of the configuration model and the grid editor: the tab list, the grid records,
// the images of the application skin, and the session views, which are real grid canvases and message
// overlays. The program installs one with NetServer::SetGrids.

#include "server/netservices.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <functional>

class NetGridsProvider : public INetGrids {
public:
    // The application skin whose images the phone gets.
    static const char* const AppSkinName;

    QStringList TabList() override;
    NetGrid FindGrid(const QString& key) override;
    int EditorChangeCount() override { return m_changeCount ? m_changeCount() : 0; }
    quint64 TabBGId() override;
    quint64 TabAOvlId() override;
    quint64 DeckBGId(const QString& background, int width, int height) override;
    quint64 TabIconId(const QString& icon, int state) override;
    // A GridView and a GridViewGlobal without parent; the session deletes them.
    INetGridView* CreateGridView() override;
    INetOverlayView* CreateOverlayView() override;

    // The grid editor's change counter (none: always 0).
    void SetEditorChangeCount(std::function<int()> counter) { m_changeCount = std::move(counter); }

private:
    // The skin's picture for the key, made once (every new session asks for the same tab bar) until the
    // configuration changes.
    QImage Picture(const QString& key, const std::function<QImage()>& make);

    std::function<int()> m_changeCount;
    QHash<QString, QImage> m_pictures;
    int m_picturesChange = 0;
};
