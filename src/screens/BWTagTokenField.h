#pragma once

#include <QStringList>
#include <functional>

#include "widgets/BGHUDTextField.h"

class QCompleter;
class QStringListModel;

// A text field holding a list of tags, one token per tag, separated by
// commas. While the user types a tag, the field offers the completions its
// owner gives for the typed part; choosing one replaces that part.
class BWTagTokenField : public BGHUDTextField
{
    Q_OBJECT

public:
    // The tags that complete a typed beginning, in the order to offer them.
    using Completions = std::function<QStringList(const QString& substring)>;

    explicit BWTagTokenField(QWidget* parent = nullptr);

    void setCompletions(Completions completions) { m_completions = std::move(completions); }

    // The tags as typed, without blanks around them; empty tokens drop out.
    QStringList tags() const;
    void setTags(const QStringList& tags);

    // The tag being typed: the text after the last comma, trimmed.
    QString currentToken() const;
    QCompleter* completer() const { return m_completer; }

private:
    void offerCompletions(const QString& text);
    void completeCurrentToken(const QString& tag);

    Completions m_completions;
    QCompleter* m_completer;
    QStringListModel* m_model;
};
