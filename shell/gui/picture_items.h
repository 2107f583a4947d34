// A picture read as data: a painted view (the biorhythm chart, the stars calendar) shows
// a screen reader a list of items, one for each day it draws, with their texts and
// states, placed where they are drawn, and moves the reader's focus among them.
#pragma once
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace shell {

struct PictureItem {
    QString name;         // what a reader speaks first: "12 GOOD"
    QString description;  // what it adds on request
    QRectF area;          // where the item is drawn, in the page's logical pixels
    bool selected = false;
    bool focused = false;  // the item the keyboard is on, while the view has the focus
};

struct PictureItems {
    QSize pageSize;  // the page the areas are given in, drawn fitted into the view
    std::vector<PictureItem> items;
};

// Makes `view` read as a list of the items `source` gives, asked anew at each reading.
void exposePictureItems(QWidget* view, std::function<PictureItems()> source);

// Tells a screen reader that the keyboard moved to item `index` of `view`.
void announcePictureFocus(QWidget* view, int index);

// Tells a screen reader that the items of `view` changed (another month, say).
void announcePictureChange(QWidget* view);

}  // namespace shell
