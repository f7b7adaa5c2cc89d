#pragma once
// What the composition root builds below the window and hands on to the window, the tabs and the dialogs:
// the configuration model, the phone server, the image registry and the web image cache, and the phone
// server's view of the grids. None is owned by the receiver; the root takes them down after the window.

class DataCfg;
class ImgDataMgr;
class NetGridsProvider;
class NetServer;
class WebImageCache;

struct ProgramContext {
    DataCfg* cfg = nullptr;
    NetServer* server = nullptr;
    ImgDataMgr* images = nullptr;
    WebImageCache* webImages = nullptr;
    NetGridsProvider* grids = nullptr;
};
