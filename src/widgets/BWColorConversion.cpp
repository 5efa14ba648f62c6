#include "BWColorConversion.h"

#include <QStringList>
#include <array>
#include <cmath>

namespace BWColorConversion {

namespace {

// Where the numbers start: the colour-space name is 25 characters long.
constexpr int ComponentsStart = 25;

QColor shifted(const QColor& color, float value)
{
    return QColor::fromRgbF(float(color.redF()) + value, float(color.greenF()) + value,
                            float(color.blueF()) + value, 1.0f);
}

}  // namespace

QColor CGColor(const QColor& color)
{
    if (!color.isValid())
        return QColor();
    if (color.spec() == QColor::ExtendedRgb)
        return color;
    return color.toRgb();
}

QColor lightenColorByValue(const QColor& color, float value)
{
    return shifted(color, value);
}

QColor darkenColorByValue(const QColor& color, float value)
{
    return shifted(color, -value);
}

bool isLightColor(const QColor& color)
{
    // QColor keeps 16 bits a channel, so 0.8 reads back a hair above 0.8;
    // the slack keeps such a colour on the dark side, where 0.8 belongs.
    constexpr double Threshold = 0.8;
    constexpr double ChannelSlack = 1.0 / 65535.0;
    const double lightness = (color.redF() + color.greenF() + color.blueF()) / 3.0;
    return lightness > Threshold + ChannelSlack;
}

QColor colorFromDescription(const QString& description)
{
    if (description.isNull())
        return QColor();
    std::array<float, 4> components = {0.0f, 0.0f, 0.0f, 1.0f};
    if (description.size() > ComponentsStart) {
        const QStringList words = description.mid(ComponentsStart).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < words.size() && i < qsizetype(components.size()); ++i) {
            bool ok = false;
            const double number = words[i].toDouble(&ok);
            // Reading stops at the first word that is not a plain number.
            if (!ok || !std::isfinite(number))
                break;
            components[size_t(i)] = float(std::clamp(number, 0.0, 1.0));
        }
    }
    return QColor::fromRgbF(components[0], components[1], components[2], components[3]);
}

}  // namespace BWColorConversion
