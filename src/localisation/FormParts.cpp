#include "localisation/FormParts.h"

#include "localisation/Translate.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QLabel *NewCaption(const char *name, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QComboBox *NewFixedList(const char *name, int tag, int minimumWidth, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setMinimumWidth(minimumWidth);
    SetTag(list, tag);
    return list;
}

QPushButton *NewButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QHBoxLayout *NewOkCancelRow(QPushButton *&ok, QPushButton *&cancel, QWidget *parent)
{
    ok = NewButton("btnOk", QStringLiteral("&Ok"), parent);
    ok->setDefault(true);
    cancel = NewButton("btnCancel", QStringLiteral("&Cancel"), parent);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}
