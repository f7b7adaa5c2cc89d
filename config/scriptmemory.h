#pragma once
// Memory of the script engines.

class DataCfg;

// Collects the garbage of every script engine built so far: after many objects were handed to scripts (the
// views of phone sessions that have gone), so that their memory can go back to the system.
void CollectScriptGarbage(DataCfg& cfg);
