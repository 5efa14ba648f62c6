#include "shell/BWWindowKeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace BWWindowKeys {

void install(QWidget& window, std::function<void()> quit)
{
    for (const QKeySequence& close : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}) {
        auto* shortcut = new QShortcut(close, &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
    }
    auto* quitShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &window);
    QObject::connect(quitShortcut, &QShortcut::activated, &window, std::move(quit));
}

}  // namespace BWWindowKeys
