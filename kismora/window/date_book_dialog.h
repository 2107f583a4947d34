// The date book window: the list of dates and New, Edit, Delete, Analyze and Help.
#pragma once
#include <QDialog>

#include "kismora/date_book.h"
#include "kismora/window/kismora_window.h"

class QListWidget;

namespace kismora {

class DateBookDialog : public QDialog {
    Q_OBJECT
public:
    explicit DateBookDialog(shell::Services& services, QWidget* parent = nullptr);

    DateBook& book() { return book_; }

private:
    void buildLayout();
    void showNames();
    int selectedRow() const;  // -1 for none
    void onNewDate();
    void onEditDate();
    void onDeleteDate();
    void onAnalyzeDate();

    DateBook book_;
    QListWidget* list_ = nullptr;
};

}  // namespace kismora
