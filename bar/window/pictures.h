// The launcher's pictures, painted rather than loaded so that they stay sharp at any
// size: a night sky above and below the buttons, a crystal ball between the columns.
#pragma once
#include <string>

#include <QWidget>

namespace bar {

class SkyPicture : public QWidget {
public:
    // `seed` places the stars, so the two skies differ.
    SkyPicture(int seed, bool withMoon, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {400, 30}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int seed_;
    bool withMoon_;
};

class CrystalBallPicture : public QWidget {
public:
    explicit CrystalBallPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {90, 110}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The launcher's icon, also saved as the menu entry's picture.
QIcon launcherIcon();
std::string launcherIconPng();

}  // namespace bar
