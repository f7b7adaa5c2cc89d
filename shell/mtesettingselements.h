#pragma once
// The settings list: one entry for the program's own settings and one per data source, with the
// host-service box under it. An entry is marked only after the edit pane agreed to leave its page.

#include "shell/maintab.h"

class DataCfg;
class HostCtrl;
class NetServer;
class QAbstractButton;
class QButtonGroup;
class QLabel;
class QScrollArea;
class QScrollBarEx;
class SubnavBtn;

class MTESettingsElements : public MainTabElem {
    Q_OBJECT
public:
    MTESettingsElements(QWidget* parent, DataCfg* cfg, NetServer* server);

    // Relabels or adds the entries (program first, then one per data-source description) and re-sorts.
    void Retranslate() override;

    // The entry of a key, or null.
    SubnavBtn* Entry(const QString& key) const;
    QList<SubnavBtn*> Entries() const;
    HostCtrl* Host() const { return m_host; }

signals:
    // Asks to show the entry's page; the entry is marked only when the answer is true.
    bool SelChanged(const QString& key);

public slots:
    void OnBtnClicked(QAbstractButton* button);

private:
    SubnavBtn* FindOrAddEntry(const QString& caption, const QString& key);
    void SortEntries();

    DataCfg* m_cfg;
    QButtonGroup* m_group = nullptr;
    QLabel* m_lblSettings = nullptr;
    QScrollArea* m_scaList = nullptr;
    QWidget* m_scaListCont = nullptr;
    QScrollBarEx* m_scrbListV = nullptr;
    HostCtrl* m_host = nullptr;
};
