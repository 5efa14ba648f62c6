// The sound that cheers a logged payment, as the user chose it.
#include "store/BWPaymentLogger.h"

#include <QStringList>

#include "platform/SoundPlayer.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"

namespace {

const QStringList FixedSounds = {QStringLiteral("trumpetnew"), QStringLiteral("rings"), QStringLiteral("swell"),
                                 QStringLiteral("cheers")};
const QStringList CheeringSounds = {QStringLiteral("bravo"),     QStringLiteral("congrats"), QStringLiteral("fantastic"),
                                    QStringLiteral("ter"),       QStringLiteral("welldone"), QStringLiteral("youdid")};
constexpr qlonglong RandomPick = 4;

}  // namespace

QString BWPaymentLogger::getSpecifiedSound() const
{
    if (!m_env.defaults->boolForKey(BWDefaultsKeys::BRWPlayInterfaceSounds))
        return QString();
    const qlonglong choice = m_env.defaults->integerForKey(BWDefaultsKeys::BRWWhichSoundEffect);
    if (choice == RandomPick)
        return randomSound();
    if (choice >= 0 && choice < FixedSounds.size())
        return FixedSounds.at(choice);
    return QString();
}

QString BWPaymentLogger::randomSound(QRandomGenerator* generator)
{
    return CheeringSounds.at(qsizetype(generator->generate() % quint32(CheeringSounds.size())));
}

QString BWPaymentLogger::playSpecifiedSound(SoundPlayer& player) const
{
    const QString sound = getSpecifiedSound();
    if (!sound.isEmpty())
        player.playSoundNamed(sound);
    return sound;
}
