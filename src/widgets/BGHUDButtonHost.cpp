#include "BGHUDButtonHost.h"

#include "BWFocusFrame.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPainter>

namespace BGHUDButtonHost {

BGHUDButtonCell::State stateOf(const QAbstractButton& button)
{
    BGHUDButtonCell::State state;
    state.enabled = button.isEnabled();
    state.highlighted = button.isDown();
    state.state = button.isChecked() ? BGHUDButtonCell::OnState : BGHUDButtonCell::OffState;
    if (const auto* box = qobject_cast<const QCheckBox*>(&button);
        box && box->checkState() == Qt::PartiallyChecked)
        state.state = BGHUDButtonCell::MixedState;
    return state;
}

void paint(QAbstractButton& button, BGHUDButtonCell& cell)
{
    cell.setTitle(button.text());
    cell.setImage(button.icon().isNull() ? QPixmap()
                                         : button.icon().pixmap(button.iconSize(), button.devicePixelRatioF()));
    QPainter painter(&button);
    painter.setFont(button.font());
    cell.draw(painter, button.rect(), stateOf(button));
    BWFocusFrame::paint(painter, button);
}

}  // namespace BGHUDButtonHost
