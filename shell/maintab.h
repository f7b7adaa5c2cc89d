#pragma once
// Bases of the main window's tabs and of the panels inside them. Every tab covers the same area of the
// window, so the base fixes its size and place.

#include "widgets/qwidgetex.h"

class MainTab : public QWidgetEx {
    Q_OBJECT
public:
    explicit MainTab(QWidget* parent = nullptr);
};

class MainTabElem : public QWidgetEx {
    Q_OBJECT
public:
    explicit MainTabElem(QWidget* parent = nullptr);
};
