#pragma once
// How the cells of the channel table are drawn and typed into: the channel
// number column on the button face, and the in-place editor of the RX and
// TX cells, which lets only the frequency keys through. The view is told of
// the one editor that is open, so that it can be closed from outside.

#include <QPointer>
#include <QStyledItemDelegate>

class TChannelDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The in-place editor while it is open.
    QWidget *Editor() const { return m_editor; }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    mutable QPointer<QWidget> m_editor;
};
