#include "shell/gui/picture_items.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <map>

#include "shell/gui/accessible_children.h"
#include "shell/gui/decoration.h"
#include "shell/gui/printable_dialog.h"

namespace shell {

namespace {

std::map<const QObject*, std::function<PictureItems()>>& itemSources()
{
    static std::map<const QObject*, std::function<PictureItems()>> sources;
    return sources;
}

PictureItems itemsOf(const QWidget* view)
{
    const auto found = view ? itemSources().find(view) : itemSources().end();
    return found == itemSources().end() ? PictureItems{} : found->second();
}

// One item of a picture.
class PictureItemAccessible : public AccessiblePart {
public:
    using AccessiblePart::AccessiblePart;

    bool isValid() const override { return view() && index() < int(itemsOf(view()).items.size()); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override
    {
        const PictureItem item = this->item();
        return t == QAccessible::Name ? item.name : t == QAccessible::Description ? item.description : QString();
    }

    QRect rect() const override
    {
        if (!view())
            return {};
        const PictureItems items = itemsOf(view());
        if (index() >= int(items.items.size()))
            return {};
        const QRect local = fittedTransform(view()->rect(), items.pageSize).mapRect(items.items[index()].area).toRect();
        return local.translated(view()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        const PictureItem item = this->item();
        QAccessible::State state;
        state.selectable = true;
        state.selected = item.selected;
        state.focusable = view() && view()->focusPolicy() != Qt::NoFocus;
        state.focused = item.focused && view() && view()->hasFocus();
        state.readOnly = true;
        return state;
    }

private:
    PictureItem item() const
    {
        const PictureItems items = itemsOf(view());
        return index() < int(items.items.size()) ? items.items[index()] : PictureItem{};
    }
};

// The view: a list whose children are its items, made once for each place and kept.
class PictureViewAccessible : public QAccessibleWidget {
public:
    explicit PictureViewAccessible(QWidget* view) : QAccessibleWidget(view, QAccessible::List) {}

    int childCount() const override { return int(itemsOf(widget()).items.size()); }

    QAccessibleInterface* child(int index) const override
    {
        return children_.at(index, childCount(), [this](int i) { return new PictureItemAccessible(widget(), i); });
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return children_.indexOf(child, childCount());
    }

    QAccessibleInterface* childAt(int x, int y) const override { return childAtPoint(*this, x, y); }

    QAccessibleInterface* focusChild() const override
    {
        if (!widget()->hasFocus())
            return nullptr;
        const PictureItems items = itemsOf(widget());
        for (std::size_t i = 0; i < items.items.size(); ++i)
            if (items.items[i].focused)
                return child(int(i));
        return nullptr;
    }

private:
    mutable AccessibleChildren children_;
};

QAccessibleInterface* pictureViewFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && itemSources().count(widget) ? new PictureViewAccessible(widget) : nullptr;
}

}  // namespace

void exposePictureItems(QWidget* view, std::function<PictureItems()> source)
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureViewFactory);
        return true;
    }();
    (void)installed;
    itemSources()[view] = std::move(source);
    QObject::connect(view, &QObject::destroyed, [view] { itemSources().erase(view); });
    forgetAccessible(view);
}

void announcePictureFocus(QWidget* view, int index)
{
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
    if (QAccessibleInterface* item = list ? list->child(index) : nullptr) {
        QAccessibleEvent event(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void announcePictureChange(QWidget* view)
{
    QAccessibleEvent event(view, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

}  // namespace shell
