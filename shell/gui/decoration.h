// Pictures that carry no meaning of their own (a logo, a paw, the sky over the launcher):
// a screen reader passes them by, as it passes by anything not shown.
#pragma once

class QObject;
class QWidget;

namespace shell {

// The widget takes no focus and reads as an unnamed picture that is not showing.
void markAsDecoration(QWidget* widget);

// Drops the accessible interface made for `object` so far (by a name or event set while
// it was built), so that the next one asked for is made by the factories now installed.
void forgetAccessible(QObject* object);

// Whether `widget` was marked so.
bool isDecoration(const QWidget* widget);

}  // namespace shell
