#pragma once

#include <QString>

// One icon of the editor's catalogue: the image name and the words a user
// might type when searching for it.
struct IconItem
{
    QString iconName;
    QString keywords;
};
