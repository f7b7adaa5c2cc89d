#pragma once
// The abstract layout element: a graphics object with the operations every element of a control's scene
// answers (state bits, set-up, handler calls, invalidation).

#include <QGraphicsObject>

class LEBase;

class LEInterface : public QGraphicsObject {
    Q_OBJECT
public:
    explicit LEInterface(QGraphicsItem* parent = nullptr);

    // The element as an LEBase; null for the root container.
    virtual LEBase* GetLEBase() { return nullptr; }
    // Called once, after the builder set the owning view.
    virtual void Setup() {}
    // Each sets or clears its state bit; false when the bit already had that value.
    virtual bool SetVisible(bool on) { return false; }
    virtual bool SetActive(bool on) { return false; }
    virtual bool SetPressed(bool on) { return false; }
    // Run the layout's OnUpdate / OnTick handler.
    virtual void OnUpdate() {}
    virtual void OnTick() {}
    // Marks the view's update pending, for this element and every element below it.
    virtual void Invalidate();
};
