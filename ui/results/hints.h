// The tariff hints of the pricing engine in English. The engine writes them in
// Czech, and they stay so as data (the field's "hint" property, sazbar-cli);
// only the English interface shows this rendering of them.
#pragma once

#include <QString>
#include <QStringView>

namespace sazbar::ui {

// One hint line in English: a line of the table, or a table prefix followed by
// a number; a line without letters (the rule under a heading) as it is. A null
// string for a line the table does not know.
QString englishHintLine(QStringView line);

// A whole hint, line by line ("\n\r" between lines, kept); a line the table
// does not know stays Czech.
QString englishHint(const QString& hint);

}  // namespace sazbar::ui
