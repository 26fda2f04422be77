#include "core/MemTable.h"

TMemTable::TMemTable(std::vector<Field> fields) : m_fields(std::move(fields)) {}
int TMemTable::FieldIndex(const QString &) const { return -1; }
void TMemTable::Append(const Values &) {}
void TMemTable::Clear() { m_rows.clear(); }
QVariant TMemTable::Value(int, const QString &) const { return {}; }
QString TMemTable::Text(int, const QString &) const { return {}; }
int TMemTable::Integer(int, const QString &) const { return 0; }
