#pragma once

#include <QObject>
#include <QVariant>

// The small number a menu item or button carries to tell one kind of a
// command from another (full or partial payment, next or previous bill, ...).
// It lives in the sender's "tag" property; a sender without one has tag 0.
namespace SenderTag {

inline int of(const QObject* sender)
{
    return sender ? sender->property("tag").toInt() : 0;
}

inline void set(QObject* sender, int tag)
{
    sender->setProperty("tag", tag);
}

}  // namespace SenderTag
