#pragma once
// The composition root: the one place that builds the program's object graph and installs every
// process-wide hook, provider, factory and stand-in, and takes them down again in reverse order. Program
// entry makes one; so does the tests' wired program, so that they run the program as users do.

#include "shell/mervexwnd.h"

#include <memory>

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

private:
    std::unique_ptr<ProgramTabHooks> m_tabHooks;
    MervexWnd* m_window = nullptr;
};
