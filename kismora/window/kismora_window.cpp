#include "kismora/window/kismora_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "kismora/window/date_book_dialog.h"
#include "kismora/kismora_files.h"
#include "kismora/window/profile_dialog.h"
#include "kismora/help_texts.h"
#include "shell/gui/decoration.h"

namespace kismora {

namespace {

// Two hearts on a rose band: the picture under the buttons.
QPixmap heartsPicture(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(QColor(250, 225, 235));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto heart = [&](QPointF at, qreal size, QColor colour) {
        QPainterPath path;
        path.moveTo(at.x(), at.y() + size * 0.3);
        path.cubicTo(at.x(), at.y(), at.x() - size * 0.5, at.y(), at.x() - size * 0.5, at.y() + size * 0.3);
        path.cubicTo(at.x() - size * 0.5, at.y() + size * 0.6, at.x(), at.y() + size * 0.8, at.x(), at.y() + size);
        path.cubicTo(at.x(), at.y() + size * 0.8, at.x() + size * 0.5, at.y() + size * 0.6, at.x() + size * 0.5,
                     at.y() + size * 0.3);
        path.cubicTo(at.x() + size * 0.5, at.y(), at.x(), at.y(), at.x(), at.y() + size * 0.3);
        painter.fillPath(path, colour);
    };
    heart({width * 0.45, height * 0.15}, height * 0.7, QColor(200, 30, 70));
    heart({width * 0.55, height * 0.2}, height * 0.6, QColor(235, 90, 120));
    return pixmap;
}

}  // namespace

KismoraWindow::KismoraWindow(shell::Services& services) :
    ProgramDialog(services,
                  {QString("&About ") + kProgramTitle, kProgramTitle, QString(kProgramTitle) + "\n" + kCopyright})
{
    setWindowTitle(kProgramTitle);
    setMaximiseGeometry({200, 200, 501, 166});
    addPrintReportEntry();
    MakeKismoraFolders(services.paths);
    buildLayout();
}

void KismoraWindow::buildLayout()
{
    auto* row = new QHBoxLayout;
    const auto button = [&](ControlId id, const char* caption, const char* tooltip, const char* name = "") {
        QPushButton* made = shell::makeButton(this, id, caption, tooltip, name);
        row->addWidget(made);
        return made;
    };
    QPushButton* personal = button(kPersonalInfoId, "&Personal Info", "Enter Personal Info");
    personal->setDefault(true);
    connect(personal, &QPushButton::clicked, this, [this] { openProfile(ProfileKind::Personal); });
    connect(button(kSelectionCriteriaId, "&Selection Criteria", "Establish Selection Criteria"), &QPushButton::clicked,
            this, [this] { openProfile(ProfileKind::Selection); });
    connect(button(kDateBookId, "&Date Book", "Date Book Wizard"), &QPushButton::clicked, this,
            &KismoraWindow::openDateBook);
    connect(button(kMainHelpId, "&Help", "Help Wizard", "Help"), &QPushButton::clicked, this,
            &KismoraWindow::helpRequested);

    auto* picture = new QLabel(this);
    picture->setPixmap(heartsPicture(440, 80));
    picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    picture->setAlignment(Qt::AlignCenter);
    shell::markAsDecoration(picture);

    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(picture, 1);
    resize(501, 166);
}

void KismoraWindow::openProfile(ProfileKind kind)
{
    ProfileDialog dialog(services(), kind, {}, this);
    services().ui.exec(dialog);
}

void KismoraWindow::openDateBook()
{
    DateBookDialog dialog(services(), this);
    services().ui.exec(dialog);
}

void KismoraWindow::accept()
{
    // Enter runs the default button, Personal Info; the window closes only by Escape.
    openProfile(ProfileKind::Personal);
}

void KismoraWindow::helpRequested()
{
    services().ui.info(kHelpCaption, std::string(kMainHelp) + kCopyright);
}

}  // namespace kismora
