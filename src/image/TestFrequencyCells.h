#pragma once
// The in-place editor of the test frequency cells: a right-aligned number
// of at most five integer digits and five decimals, never negative. A
// committed text is not written into the cell; it goes to the commit
// handler, which decides what the cell shows.

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>

class TTestFrequencyCells : public QStyledItemDelegate {
    Q_OBJECT
public:
    using TCommit = std::function<void(const QModelIndex &index, const QString &text)>;

    TTestFrequencyCells(TCommit commit, QObject *parent);

    // Commits the text of the editor while it is open, as Enter would (Ok
    // takes what is being typed, even when pressed by its shortcut).
    void CommitOpenEditor();
    // Closes the editor while it is open, without committing its text (a
    // closing window would otherwise commit it once the window is gone).
    void DropOpenEditor();

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

private:
    TCommit m_commit;
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_editing;
};
