#include "shell/gui/accessible_children.h"

namespace shell {

AccessibleChildren::~AccessibleChildren()
{
    for (QAccessible::Id id : ids_)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* AccessibleChildren::at(int index, int count,
                                             const std::function<QAccessibleInterface*(int)>& make)
{
    if (index < 0 || index >= count)
        return nullptr;
    while (int(children_.size()) <= index) {
        QAccessibleInterface* child = make(int(children_.size()));
        children_.push_back(child);
        ids_.push_back(QAccessible::registerAccessibleInterface(child));
    }
    return children_[std::size_t(index)];
}

int AccessibleChildren::indexOf(const QAccessibleInterface* child, int count) const
{
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i] == child)
            return int(i) < count ? int(i) : -1;
    return -1;
}

QAccessibleInterface* childAtPoint(const QAccessibleInterface& parent, int x, int y)
{
    for (int i = 0; i < parent.childCount(); ++i)
        if (QAccessibleInterface* child = parent.child(i); child && child->rect().contains(x, y))
            return child;
    return nullptr;
}

}  // namespace shell
