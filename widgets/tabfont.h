#pragma once
// The caption font of the grid tabs: the phone's tab bar, the editor's copy of it and the grid settings'
// tab preview all write and measure captions in it.

#include <QFont>

QFont TabCaptionFont();
