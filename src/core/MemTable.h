#pragma once
// A small in-memory table: a fixed list of fields in order, each an integer
// or a text of at most a given number of characters, and rows appended one
// at a time. It stands where a report engine's data source expects a
// dataset: the report's rows are filled into it and read back field by
// field.

#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

class TMemTable {
public:
    enum class FieldType { Integer, Text };
    struct Field {
        QString name;
        FieldType type = FieldType::Text;
        int size = 0; // characters; text fields only
    };
    using Values = std::vector<std::pair<QString, QVariant>>;

    explicit TMemTable(std::vector<Field> fields);

    const std::vector<Field> &Fields() const { return m_fields; }
    // Position of the field called name, -1 when there is none.
    int FieldIndex(const QString &name) const;

    // Appends one row and posts it. A field left out stays null (reads as an
    // empty text, or 0). A text longer than its field is cut to the field's
    // size, never in the middle of a surrogate pair; an integer field takes
    // the value's integer. A name that is not a field is a programming error
    // (asserted) and ignored.
    void Append(const Values &values);
    // Deletes every row; the fields stay.
    void Clear();

    int RowCount() const { return int(m_rows.size()); }
    // The value of field name in row; null outside the table or for an
    // unknown field.
    QVariant Value(int row, const QString &field) const;
    // The same as a text ("" for null).
    QString Text(int row, const QString &field) const;
    // The same as an integer (0 for null).
    int Integer(int row, const QString &field) const;

private:
    std::vector<Field> m_fields;
    std::vector<std::vector<QVariant>> m_rows;
};
