#pragma once
// A list view whose drops are handed to an event filter first, so the owner decides what a drop moves.

#include <QListView>

class QLVDrop : public QListView {
    Q_OBJECT

public:
    explicit QLVDrop(QWidget* parent = nullptr) : QListView(parent) {}

    // The object whose eventFilter sees each drop (with this view as the watched object); a drop it
    // consumes moves nothing in the view.
    void SetDropFilter(QObject* filter) { m_dropFilter = filter; }

protected:
    void dropEvent(QDropEvent* e) override;

private:
    QObject* m_dropFilter = nullptr;
};
