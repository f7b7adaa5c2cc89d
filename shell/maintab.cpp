#include "shell/maintab.h"

MainTab::MainTab(QWidget* parent) : QWidgetEx(parent) {
    resize(1014, 660);
    move(7, 89);
}

MainTabElem::MainTabElem(QWidget* parent) : QWidgetEx(parent) {}
