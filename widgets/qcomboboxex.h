#pragma once
// Combo box with focus and hover state, an optional menu of its own in place of the list, and a forgiving
// selection by text.

#include <QComboBox>

class QAction;
class QMenu;

class QComboBoxEx : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(bool hovered READ isHovered WRITE setHovered)

public:
    explicit QComboBoxEx(QWidget* parent = nullptr);

    bool isHovered() const { return m_hovered; }
    void setHovered(bool hovered);
    bool isMenuOpen() const { return m_menuOpen; }
    QString currentEditText() const { return m_text; }
    QString previousEditText() const { return m_prevText; }

    // The own drop-down menu, made on the first call; from then on it replaces the list.
    QMenu* GetMenu();
    // Leaves exactly one entry: text, without data.
    void SetSingleItem(const QString& text);
    // Selects the entry that best matches text (exact, by number, then looser matches, else the first)
    // without signalling the index change, then sets the edit text.
    void SelectText(const QString& text);

    bool numeric = false; // entries are numbers and may be matched by number

    // The text the closed box shows: the current text, ending in "..." where it is wider than the box.
    QString ShownText() const;

signals:
    void focusChanged(bool in);
    void focusIn();
    void focusOut();
    void menuOpen();
    void menuClose();

public slots:
    void OnMenuAction(QAction* action);
    void OnMenuOpen();
    void OnMenuClose();
    void OnTextChanged();

public:
    void showPopup() override;
    void hidePopup() override;

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void Repolish();

    bool m_hovered = false;
    bool m_menuOpen = false;
    bool m_takeAction = false; // the menu has just closed; the entry that closed it may still arrive
    QString m_text;
    QString m_prevText;
    QMenu* m_menu = nullptr;
};
