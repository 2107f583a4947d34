#include "shell/gui/tip_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/file_log.h"
#include "shell/gui/decoration.h"
#include "shell/gui/program_dialog.h"
#include "shell/gui/tip_text.h"

namespace shell {

namespace {

// The light bulb beside "Did you know...", drawn so that it stays sharp at any scale.
class BulbPicture : public QWidget {
public:
    explicit BulbPicture(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(34, 44);
        markAsDecoration(this);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // Flat colours with a highlight: a gradient would cost the first window a few
        // milliseconds of start-up for its colour tables.
        p.setPen(QPen(QColor(120, 100, 20), 1.2));
        p.setBrush(QColor(250, 215, 60));
        p.drawEllipse(QRectF(3, 2, 26, 26));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(10, 28, 12, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 190));
        p.drawEllipse(QRectF(8, 6, 11, 10));
        p.setPen(QPen(QColor(90, 90, 90), 1));
        for (double y : {31.0, 34.0})
            p.drawLine(QPointF(10, y), QPointF(22, y));
        p.setBrush(QColor(80, 80, 80));
        p.drawRoundedRect(QRectF(12, 38, 8, 4), 2, 2);
    }
};

}  // namespace

TipDialog::TipDialog(const TipSpec& spec, const Paths& paths, const std::string& program) : tips_(spec, paths, program)
{
    setWindowTitle(QString::fromStdString(spec.caption));
    setObjectName(QString::number(kTipDialogId));
    setFont(windowFont(8));

    auto* frame = new QFrame(this);
    frame->setObjectName(QString::number(kTipAreaId));
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    frame->setPalette(white);
    auto* heading = new QLabel(QString::fromStdString(spec.heading), frame);
    QFont headingFont = windowFont(12);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    tip_ = new TipText(frame);
    tip_->setObjectName(QString::number(kTipTextId));
    tip_->setAccessibleDescription("Tip of the day");
    auto* top = new QHBoxLayout;
    top->addWidget(new BulbPicture(frame));
    top->addWidget(heading, 1);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(top);
    frameLayout->addWidget(tip_, 1);

    startUp_ = makeCheck(this, kShowTipsId, "&Show Tips on StartUp", "Show Tips on StartUp", "");
    startUp_->setChecked(tips_.showAtStartUp());
    QPushButton* next = makeButton(this, kNextTipId, "&Next Tip", QString::fromStdString(spec.nextTip), "");
    QPushButton* launch = makeButton(this, kLaunchId, "&Launch", QString::fromStdString(spec.launch), "");
    launch->setDefault(true);
    next->setAutoDefault(true);  // Enter on a focused "&Next Tip" shows the next tip
    next->setEnabled(tips_.hasTips());
    connect(next, &QPushButton::clicked, this, &TipDialog::nextTip);
    connect(launch, &QPushButton::clicked, this, &TipDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(startUp_);
    buttons->addStretch(1);
    buttons->addWidget(next);
    buttons->addWidget(launch);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
    setFixedSize(360, 270);
    showTip();
}

TipDialog::~TipDialog()
{
    // The user is not told: a tip position that could not be saved only repeats a tip.
    if (!tips_.save())
        qCInfo(mystorinFiles, "the tip of the day's profile was not saved");
}

QString TipDialog::tipText() const
{
    return tip_->text();
}

void TipDialog::showTip()
{
    tip_->setTip(QString::fromUtf8(tips_.text().c_str()));
}

void TipDialog::nextTip()
{
    tips_.next();
    showTip();
}

void TipDialog::accept()
{
    QDialog::accept();
    tips_.launch(startUp_->isChecked());
}

}  // namespace shell
