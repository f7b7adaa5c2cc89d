#pragma once
// Draws the pictures of exported archives: a control through its own view, a grid as the phone shows it on
// a 640 x 1600 canvas, and a grid's tab icon from the grid editor's application skin.

#include "config/dataexchange.h"

class IGridEditor;

class ExchangeRendererImpl : public IExchangeRenderer {
public:
    // The editor gives the application skin and its deck background; without one a plain deck is drawn.
    explicit ExchangeRendererImpl(IGridEditor* editor = nullptr) : m_editor(editor) {}
    void SetEditor(IGridEditor* editor) { m_editor = editor; }

    QImage RenderControl(const DataCfg::TControl& control) override;
    QImage RenderGrid(const DataCfg::TGrid& grid, const QString& background) override;
    QImage MakeGridIconImage(const QString& iconText, const QString& folder) override;

    static constexpr int CanvasWidth = 640;
    static constexpr int CanvasHeight = 1600;
    static constexpr int MaxIconWidth = 500;

private:
    IGridEditor* m_editor;
};
