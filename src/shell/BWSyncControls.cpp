#include "shell/BWSyncControls.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/BGHUDProgressIndicator.h"
#include "widgets/KBButton.h"
#include "widgets/KBButtonCell.h"

namespace {

QFrame* separatorLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: rgba(0, 0, 0, 50);"));
    return line;
}

}  // namespace

BWSyncControls::BWSyncControls(QWidget* parent)
    : QWidget(parent)
    , m_manualSyncButton(new KBButton(tr("Sync Now"), this))
    , m_syncProgressIndicator(new BGHUDProgressIndicator(this))
    , m_lastSyncedText(new QLabel(this))
    , m_syncLine(separatorLine(this))
    , m_syncLine2(separatorLine(this))
    , m_editLine(separatorLine(this))
{
    m_manualSyncButton->setKBButtonType(KBButtonTypeLightGrey);
    m_manualSyncButton->setToolTip(tr("Bring your devices in step now"));
    m_syncProgressIndicator->setControlSize(BGControlSize::Small);
    m_syncProgressIndicator->setIndeterminate(true);
    m_syncProgressIndicator->setFixedHeight(12);
    m_syncProgressIndicator->setTextVisible(false);
    m_syncProgressIndicator->hide();
    m_lastSyncedText->setTextFormat(Qt::PlainText);
    m_lastSyncedText->setAlignment(Qt::AlignCenter);
    m_lastSyncedText->setWordWrap(true);
    QFont small = m_lastSyncedText->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_lastSyncedText->setFont(small);
    m_lastSyncedText->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(m_syncLine);
    auto* row = new QHBoxLayout;
    row->addWidget(m_manualSyncButton);
    row->addWidget(m_syncProgressIndicator, 1);
    layout->addLayout(row);
    layout->addWidget(m_lastSyncedText);
    layout->addWidget(m_syncLine2);
    layout->addWidget(m_editLine);
    connect(m_manualSyncButton, &KBButton::clicked, this, &BWSyncControls::syncRequested);
    showSyncButton(false);
}

void BWSyncControls::showSyncButton(bool shown)
{
    m_manualSyncButton->setVisible(shown);
    m_syncLine->setVisible(shown);
    m_syncLine2->setVisible(shown);
    m_editLine->setVisible(!shown);
    m_lastSyncedText->setVisible(shown && !m_lastSyncedText->text().isEmpty());
}

void BWSyncControls::startProgress()
{
    m_syncProgressIndicator->show();
}

void BWSyncControls::stopProgress()
{
    m_syncProgressIndicator->hide();
}

void BWSyncControls::setLastSyncedText(const QString& text)
{
    m_lastSyncedText->setText(text);
    // Asked of the button's own flag, not isVisible(): the side bar may be hidden behind a bill page.
    m_lastSyncedText->setVisible(!m_manualSyncButton->isHidden() && !text.isEmpty());
}
