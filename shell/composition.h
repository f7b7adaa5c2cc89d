#pragma once
// The composition root: the one place that builds the program's object graph and installs every
// process-wide hook, provider, factory and stand-in, and takes them down again in reverse order. Program
// entry makes one; so does the tests' wired program, so that they run the program as users do.

#include "shell/mervexwnd.h"
#include "shell/programcontext.h"

#include <memory>

class INetImages;
class INetPrograms;
class PairingDecision;
class ProgramTabHooks;

class Composition {
public:
    // Folders in place of the defaults (tests); empty members keep the default rule.
    explicit Composition(const MervexWnd::Folders& folders = MervexWnd::Folders());
    ~Composition();
    Composition(const Composition&) = delete;
    Composition& operator=(const Composition&) = delete;

    MervexWnd* Window() const { return m_window; }
    ProgramTabHooks* TabHooks() const { return m_tabHooks.get(); }
    // The shared parts the window, the tabs and the dialogs are handed.
    const ProgramContext& Parts() const { return m_parts; }
    PairingDecision* Pairing() const { return m_pairing.get(); }

private:
    std::unique_ptr<DataCfg> m_cfg;
    std::unique_ptr<NetServer> m_server;
    std::unique_ptr<ImgDataMgr> m_images;
    std::unique_ptr<WebImageCache> m_webImages;
    std::unique_ptr<INetImages> m_netImages;
    std::unique_ptr<INetPrograms> m_netPrograms;
    std::unique_ptr<NetGridsProvider> m_netGrids;
    ProgramContext m_parts;
    std::unique_ptr<ProgramTabHooks> m_tabHooks;
    std::unique_ptr<PairingDecision> m_pairing;
    MervexWnd* m_window = nullptr;
};
