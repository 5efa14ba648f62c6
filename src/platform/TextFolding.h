#pragma once

#include <QString>

// The one rule by which typed text is matched against names and tags, so
// that the overview's search and the tag completion agree.
namespace TextFolding {

// The text without regard to case, accents or compatibility forms: "cafe"
// matches "Café", "ﬁle" matches "file" and "ＡＢＣ" matches "abc".
QString folded(const QString& text);

}  // namespace TextFolding
