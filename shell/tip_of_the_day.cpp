#include "shell/tip_of_the_day.h"

#include "shell/profile.h"

namespace shell {

namespace {
const QString kStartUpKey = QStringLiteral("Tip/StartUp");
const QString kFilePosKey = QStringLiteral("Tip/FilePos");
const QString kTimeStampKey = QStringLiteral("Tip/TimeStamp");
}  // namespace

TipOfTheDay::TipOfTheDay(const TipSpec& spec, const Paths& paths, const std::string& program) :
    profile_(openProfile(paths, program))
{
    showAtStartUp_ = profileInt(*profile_, kStartUpKey, 0) == 0;
    long position = profileInt(*profile_, kFilePosKey, 0);

    auto file = std::make_unique<TipFile>(paths.docs(spec.file));
    if (!file->isOpen()) {
        text_ = spec.missing;
        return;
    }
    const QString stamp = QString::fromStdString(file->modificationTime());
    if (stamp != profile_->value(kTimeStampKey).toString()) {
        position = 0;
        profile_->setValue(kTimeStampKey, stamp);
    }
    file_ = std::move(file);
    if (file_->seek(position))
        next();
    else
        text_ = kTroubleReadingTips;
}

TipOfTheDay::~TipOfTheDay() = default;

void TipOfTheDay::next()
{
    const auto tip = file_ ? file_->next() : std::nullopt;
    text_ = tip ? *tip : std::string(kNoTipsYet);
}

void TipOfTheDay::launch(bool showAtStartUp)
{
    showAtStartUp_ = showAtStartUp;
    profile_->setValue(kStartUpKey, showAtStartUp ? 0 : 1);
}

bool TipOfTheDay::save()
{
    if (file_)
        profile_->setValue(kFilePosKey, qint64(file_->position()));
    return profile_->sync();
}

}  // namespace shell
