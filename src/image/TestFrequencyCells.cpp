#include "image/TestFrequencyCells.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

// Five integer digits and five decimals at most; a lone "." is not a number
// and stays incomplete, so it is never committed.
const QRegularExpression &CellPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(|[0-9]{1,5}(\\.[0-9]{0,5})?|\\.[0-9]{1,5})$"));
    return pattern;
}

} // namespace

TTestFrequencyCells::TTestFrequencyCells(TCommit commit, QObject *parent)
    : QStyledItemDelegate(parent),
      m_commit(std::move(commit))
{
}

void TTestFrequencyCells::CommitOpenEditor()
{
    if (m_editor && m_editing.isValid())
        setModelData(m_editor, nullptr, m_editing);
}

void TTestFrequencyCells::DropOpenEditor()
{
    if (m_editor)
        emit closeEditor(m_editor, QAbstractItemDelegate::NoHint);
}

QWidget *TTestFrequencyCells::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                           const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor->setValidator(new QRegularExpressionValidator(CellPattern(), editor));
    m_editor = editor;
    m_editing = index;
    return editor;
}

void TTestFrequencyCells::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        return;
    line->setText(index.data(Qt::EditRole).toString());
    line->selectAll(); // a typed key replaces the whole text
}

void TTestFrequencyCells::setModelData(QWidget *editor, QAbstractItemModel *,
                                       const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    // An incomplete text (a lone ".") leaves the cell as it was; so does
    // entering a cell and leaving it as it stood, which is no edit (no range
    // warning again, no closing message).
    if (line && line->hasAcceptableInput() && m_commit && line->text() != index.data(Qt::EditRole).toString())
        m_commit(index, line->text());
}

void TTestFrequencyCells::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (m_editor == editor) {
        m_editor = nullptr;
        m_editing = QPersistentModelIndex();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}
