#include "screens/BWTagTokenField.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QStringListModel>

#include "screens/BWTagText.h"

namespace {

const QString tokenSeparator = QStringLiteral(", ");

}  // namespace

BWTagTokenField::BWTagTokenField(QWidget* parent)
    : BGHUDTextField(parent), m_completer(new QCompleter(this)), m_model(new QStringListModel(this))
{
    // The field hands the completer the typed token itself, so the completer
    // only shows the list and reports the choice.
    m_completer->setModel(m_model);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setWidget(this);
    connect(this, &QLineEdit::textEdited, this, &BWTagTokenField::offerCompletions);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this,
            &BWTagTokenField::completeCurrentToken);
}

QStringList BWTagTokenField::tags() const
{
    return BWTagText::split(text());
}

void BWTagTokenField::setTags(const QStringList& tags)
{
    setText(BWTagText::join(tags));
}

QString BWTagTokenField::currentToken() const
{
    return BWTagText::parts(text()).constLast();
}

void BWTagTokenField::offerCompletions(const QString&)
{
    const QString token = currentToken();
    const QStringList offered = token.isEmpty() || !m_completions ? QStringList() : m_completions(token);
    m_model->setStringList(offered);
    if (offered.isEmpty()) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->setCompletionPrefix(QString());
    m_completer->complete();
}

void BWTagTokenField::completeCurrentToken(const QString& tag)
{
    QStringList tokens = tags();
    if (!currentToken().isEmpty() && !tokens.isEmpty())
        tokens.removeLast();
    tokens.append(tag);
    setTags(tokens);
    // The next tag starts after a separator.
    setText(text() + tokenSeparator);
    emit textEdited(text());
}
