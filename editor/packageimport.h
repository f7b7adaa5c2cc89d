#pragma once
// The import of a package file handed over by a drop on the window, the command line or a second start, and
// by the editors' import actions: control, grid, package or plug-in, by what the archive holds.

#include "config/tcontrol.h"

#include <functional>

class MTEGridEdit;
class QWidget;

namespace PackageImport {
// What becomes of an imported control: the control editor selects it. Unset: it is added to "@My Controls".
using ControlFn = std::function<void(const QString& entryName, const DataCfg::TControl& control)>;
void SetControlHandler(ControlFn handler);

// Imports the file; false when nothing was imported: the user cancelled, or a refusal or failure that has
// been told already (one message, none for a cancel).
bool ImportFile(const QString& path, QWidget* parent, MTEGridEdit* editor);
} // namespace PackageImport
