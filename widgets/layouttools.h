#pragma once
// Small layout helpers shared by the windows and editors.

class QLayout;
class QWidget;

// Empties the layout at every level: sub-layouts are deleted, widgets scheduled for deletion.
void ClearLayout(QLayout* layout);
// Sets the width to the size hint's; flag 2 keeps the right edge, else the left edge stays.
void FitWidthToSizeHint(QWidget* widget, int flags = 0);
