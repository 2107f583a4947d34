#include "shell/gui/decoration.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace shell {

namespace {

constexpr const char* kDecorationProperty = "mystorinDecoration";

// Qt's AT-SPI bridge has no "ignored" node: a picture that is neither visible nor
// showing is what screen readers skip.
class DecorationAccessible : public QAccessibleWidget {
public:
    explicit DecorationAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.focusable = false;
        return state;
    }
    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* decorationFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && isDecoration(widget) ? new DecorationAccessible(widget) : nullptr;
}

}  // namespace

void markAsDecoration(QWidget* widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(decorationFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kDecorationProperty, true);
    widget->setFocusPolicy(Qt::NoFocus);
    forgetAccessible(widget);
}

void forgetAccessible(QObject* object)
{
    // Made only while the widget is built, so that no reader holds it yet.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

bool isDecoration(const QWidget* widget)
{
    return widget->property(kDecorationProperty).toBool();
}

}  // namespace shell
