#pragma once
// The modal popup in which the user names a custom grid and sets what belongs to it besides its controls:
// the programs that switch the phone to it, its background picture and how its tab looks on the phone's tab
// bar (two caption lines, an icon with size, colour and placement), with a live preview of the tab. It edits
// the grid shown on the grid editor's canvas; OK renames the grid's file when the name changed and stores
// the settings, then the editor, the canvas and the tab bar refresh.

#include "widgets/popupwnd.h"

#include <functional>

class ColPickBtn;
class CtrlAlign;
class CtrlPosition;
class MTEGridEdit;
class QLineEdit;
class SpinDrop;
class TabElem;

class GridSettingsDlg : public PopupWnd {
    Q_OBJECT
public:
    explicit GridSettingsDlg(MTEGridEdit* editor);
    ~GridSettingsDlg() override;

    // Runs the dialog on the editor's shown grid; answers 0x400 when the settings were stored. The grid
    // editor's settings runner.
    static int Run(MTEGridEdit* editor);

    // The tab icon text the fields give: file, "|", scale, "|", colour, "|", alignment and margin.
    QString IconText() const;
    // The name with the characters that may not stand in a file name removed.
    static QString CleanName(const QString& name);
    // The background every dialog draws, made once.
    static const QImage& Background();

    // The file question (caption, start folder, filter) -> the chosen file, empty when cancelled. Unset:
    // the desktop's open-file dialog.
    std::function<QString(const QString& caption, const QString& start, const QString& filter)> pickFile;

    QLineEdit* Field(const char* objectName) const;
    TabElem* Preview() const { return m_preview; }
    SpinDrop* SizePicker() const { return m_size; }
    ColPickBtn* ColorButton() const { return m_color; }
    CtrlAlign* AlignPicker() const { return m_align; }
    CtrlPosition* MarginPicker() const { return m_margin; }

public slots:
    void OnChangedTabName();
    void OnClickedExeFile();
    void OnClickedBGFile();
    void OnClickedCFile();
    void OnClickedReset();
    void OnSizeChanged(int size);
    void OnColChanged(quint32 color);
    void OnColChanged(const QString& text);
    void OnNameChanged(const QString& text);
    void OnChangedAlign(const QString& text);
    void OnChangedAlign();
    void OnUpdateIcon();
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void BuildForm();
    void Fill();
    QString PickFile(const QString& caption, const QString& start, const QString& filter);
    // Where the picture file dialog starts for the text of a picture field.
    static QString ImageStartFolder(const QString& text);
    // Stores the fields into the grid; false (with the reason told) when the dialog has to stay open.
    bool Store();

    MTEGridEdit* m_editor;
    QString m_startName;
    TabElem* m_preview = nullptr;
    SpinDrop* m_size = nullptr;
    ColPickBtn* m_color = nullptr;
    CtrlAlign* m_align = nullptr;
    CtrlPosition* m_margin = nullptr;
};
