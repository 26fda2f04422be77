#include "core/MemTable.h"

namespace {

// The first size characters of text, counted as the user sees them: a
// character outside the basic plane is one character, and a cut never leaves
// half of it behind.
QString CutToSize(const QString &text, int size)
{
    int units = 0;
    int characters = 0;
    while (units < text.size() && characters < size) {
        const bool pair = text.at(units).isHighSurrogate() && units + 1 < text.size()
            && text.at(units + 1).isLowSurrogate();
        units += pair ? 2 : 1;
        ++characters;
    }
    return units < text.size() ? text.left(units) : text;
}

} // namespace

TMemTable::TMemTable(std::vector<Field> fields) : m_fields(std::move(fields)) {}

int TMemTable::FieldIndex(const QString &name) const
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name == name)
            return int(i);
    }
    return -1;
}

void TMemTable::Append(const Values &values)
{
    std::vector<QVariant> row(m_fields.size());
    for (const auto &[name, value] : values) {
        const int index = FieldIndex(name);
        Q_ASSERT_X(index >= 0, "TMemTable::Append", qPrintable(name));
        if (index < 0 || value.isNull())
            continue;
        const Field &field = m_fields[size_t(index)];
        if (field.type == FieldType::Integer)
            row[size_t(index)] = value.toInt();
        else
            row[size_t(index)] = CutToSize(value.toString(), field.size);
    }
    m_rows.push_back(std::move(row));
}

void TMemTable::Clear()
{
    m_rows.clear();
}

QVariant TMemTable::Value(int row, const QString &field) const
{
    const int index = FieldIndex(field);
    if (row < 0 || row >= RowCount() || index < 0)
        return {};
    return m_rows[size_t(row)][size_t(index)];
}

QString TMemTable::Text(int row, const QString &field) const
{
    const QVariant value = Value(row, field);
    return value.isNull() ? QString() : value.toString();
}

int TMemTable::Integer(int row, const QString &field) const
{
    return Value(row, field).toInt();
}
