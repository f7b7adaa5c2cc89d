#pragma once
// One tile of the phone tab bar: a grid's icon and caption on the skin's tab background, with a mark and an
// LED that tell preset, custom, empty and disabled tabs apart.

#include "config/datacfgrecords.h"
#include "widgets/qwidgetex.h"

class IGridEditor;
class ImgWidget;

class TabElem : public QWidgetEx {
    Q_OBJECT
public:
    enum Kind { Preset = 0, Custom = 1, Disabled = 2, Empty = 3, None = 4 };

    TabElem(QWidget* parent, IGridEditor* editor);

    void Init(const DataCfg::TGrid& grid);
    void SetType(int kind);
    void SetIcon(const QString& name);
    void SetActive(bool active);

    QString Key() const { return m_key; }
    QString Caption() const { return m_caption; }
    // Caption lines joined by "\n"; drawn at once.
    void SetCaption(const QString& caption);
    int Kind() const { return m_kind; }
    bool IsActive() const { return m_active; }
    // The LED and the corner mark of the tab's kind; null for a kind without them.
    ImgWidget* Led() const { return m_led; }
    ImgWidget* Mark() const { return m_mark; }

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QImage Gfx(const QString& name) const;
    void Redraw();

    IGridEditor* m_editor;
    int m_kind = Preset;
    QString m_key;
    QString m_caption;
    bool m_active = false;
    double m_scale = 0.5;
    ImgWidget* m_bg = nullptr;
    ImgWidget* m_overlay = nullptr;
    ImgWidget* m_iconActive = nullptr;
    ImgWidget* m_iconInactive = nullptr;
    ImgWidget* m_text = nullptr;
    ImgWidget* m_mark = nullptr;
    ImgWidget* m_led = nullptr;
};
