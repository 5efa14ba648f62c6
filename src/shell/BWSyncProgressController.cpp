#include "shell/BWSyncProgressController.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "widgets/BGHUDProgressIndicator.h"

namespace {

// The bar counts in thousandths of the run.
constexpr int BarSteps = 1000;

}  // namespace

BWSyncProgressController::BWSyncProgressController(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Syncing"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Syncing with Orvane for phones…"), this));
    m_progressBar = new BGHUDProgressIndicator(this);
    m_progressBar->setRange(0, BarSteps);
    m_progressBar->setTextVisible(false);
    layout->addWidget(m_progressBar);
    resize(360, 90);
}

void BWSyncProgressController::beginSheet()
{
    setProgress(0.0);
    open();
}

void BWSyncProgressController::setProgress(double fraction)
{
    m_progressBar->setValue(int(std::lround(std::clamp(fraction, 0.0, 1.0) * BarSteps)));
}

void BWSyncProgressController::endSheet()
{
    hide();
    if (m_delegate)
        m_delegate->syncProgressControllerDidComplete();
}
