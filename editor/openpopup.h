#pragma once
// The "OPEN APPLICATION" / "OPEN ANY" popup: a path to start or open, chosen with the file (or folder) dialog
// or typed. The value is the line edit's text as it stands.

#include "widgets/popupwnd.h"

#include <QAbstractButton>

#include <functional>

class QLineEdit;
class StdBtn;

class OpenPopup : public PopupWnd {
    Q_OBJECT

public:
    // application: true for an application to start (executables only, no folder button).
    OpenPopup(QWidget* parent, bool application);

    QString GetPath() const;
    QLineEdit* PathEdit() const { return m_edtPath; }
    StdBtn* FolderButton() const { return m_btnFolder; }

    // The file and folder dialogs: (parent, title, filter, folder wanted) to the chosen path, empty when
    // cancelled. Tests put their own in place of the toolkit's dialogs; null restores them.
    using PathChooser = std::function<QString(QWidget*, const QString&, const QString&, bool)>;
    static void SetPathChooser(const PathChooser& chooser);

public slots:
    void OnFile();
    void OnFolder();

private:
    bool m_application;
    QLineEdit* m_edtPath = nullptr;
    StdBtn* m_btnFile = nullptr;
    StdBtn* m_btnFolder = nullptr;
};
