// The children of an accessible view that are parts of what it paints (a chart's curves, a
// document's links): each made the first time it is asked for and kept, with its id, until
// the view's interface goes. Qt asks for them again and again, and a screen reader holds
// on to their ids between questions.
#pragma once
#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace shell {

class AccessibleChildren {
public:
    AccessibleChildren() = default;
    AccessibleChildren(const AccessibleChildren&) = delete;
    AccessibleChildren& operator=(const AccessibleChildren&) = delete;
    ~AccessibleChildren();

    // The child at `index` of the `count` there are now; `make(i)` makes each one not yet made.
    QAccessibleInterface* at(int index, int count, const std::function<QAccessibleInterface*(int)>& make);

    // The index of `child`, or -1 where it is none of these or no longer one of the `count`.
    int indexOf(const QAccessibleInterface* child, int count) const;

private:
    std::vector<QAccessibleInterface*> children_;
    std::vector<QAccessible::Id> ids_;
};

// One such part: it has no object or children of its own, so it asks its view for its data
// each time, by its place among the view's parts.
class AccessiblePart : public QAccessibleInterface {
public:
    AccessiblePart(QWidget* view, int index) : view_(view), index_(index) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QWidget* view() const { return view_; }
    int index() const { return index_; }

private:
    QPointer<QWidget> view_;
    int index_;
};

// The child of `parent` whose rectangle holds the point (screen coordinates), or null.
QAccessibleInterface* childAtPoint(const QAccessibleInterface& parent, int x, int y);

}  // namespace shell
