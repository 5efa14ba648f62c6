#include "BGShadow.h"

#include "BWFlippedGeometry.h"

#include <QImage>
#include <QPainter>
#include <QVector>
#include <cmath>

BGShadow::BGShadow(const QColor& color, qreal blurRadius, const QPointF& offset)
    : color_(color), blurRadius_(blurRadius), offset_(offset)
{
}

namespace {

QVector<double> gaussianKernel(qreal blurRadius)
{
    const double sigma = blurRadius / 2.0;
    const int reach = int(std::ceil(sigma * 3.0));
    QVector<double> kernel(2 * reach + 1);
    double sum = 0;
    for (int i = -reach; i <= reach; ++i) {
        kernel[i + reach] = std::exp(-(i * i) / (2.0 * sigma * sigma));
        sum += kernel[i + reach];
    }
    for (double& weight : kernel)
        weight /= sum;
    return kernel;
}

// One pass along rows (horizontal) or columns; pixels beyond the edge count
// as transparent.
QImage blurPass(const QImage& source, const QVector<double>& kernel, bool horizontal)
{
    QImage result(source.size(), source.format());
    const int reach = kernel.size() / 2;
    const int width = source.width();
    const int height = source.height();
    for (int y = 0; y < height; ++y) {
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            double channels[4] = {0, 0, 0, 0};
            for (int k = -reach; k <= reach; ++k) {
                const int sx = horizontal ? x + k : x;
                const int sy = horizontal ? y : y + k;
                if (sx < 0 || sy < 0 || sx >= width || sy >= height)
                    continue;
                const QRgb pixel = reinterpret_cast<const QRgb*>(source.constScanLine(sy))[sx];
                const double weight = kernel[k + reach];
                channels[0] += qRed(pixel) * weight;
                channels[1] += qGreen(pixel) * weight;
                channels[2] += qBlue(pixel) * weight;
                channels[3] += qAlpha(pixel) * weight;
            }
            out[x] = qRgba(int(std::lround(channels[0])), int(std::lround(channels[1])),
                           int(std::lround(channels[2])), int(std::lround(channels[3])));
        }
    }
    return result;
}

}  // namespace

void BGShadow::blur(QImage& image, qreal blurRadius)
{
    if (blurRadius <= 0 || image.isNull())
        return;
    const qreal dpr = image.devicePixelRatio();
    const QVector<double> kernel = gaussianKernel(blurRadius * dpr);
    image = blurPass(blurPass(image.convertToFormat(QImage::Format_ARGB32_Premultiplied), kernel, true),
                     kernel, false);
    image.setDevicePixelRatio(dpr);
}

void BGShadow::castBy(QPainter& painter, const QRectF& shapeBounds,
                      const std::function<void(QPainter&)>& drawShape) const
{
    if (!color_.isValid() || color_.alpha() == 0 || shapeBounds.isEmpty())
        return;
    const qreal margin = std::ceil(blurRadius_ * 2.0 + 1.0);
    const QRectF area = shapeBounds.adjusted(-margin, -margin, margin, margin).toAlignedRect();
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;

    QImage silhouette((area.size() * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    silhouette.setDevicePixelRatio(dpr);
    silhouette.fill(Qt::transparent);
    {
        QPainter offscreen(&silhouette);
        offscreen.setRenderHints(painter.renderHints());
        offscreen.translate(-area.topLeft());
        drawShape(offscreen);
        offscreen.setCompositionMode(QPainter::CompositionMode_SourceIn);
        offscreen.fillRect(area, color_);
    }
    blur(silhouette, blurRadius_);
    painter.drawImage(area.topLeft() + BWFlippedGeometry::offsetToScreen(offset_), silhouette);
}
