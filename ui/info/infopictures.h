#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace sazbar {

// A plain operator tile: a coloured rounded rectangle with the operator's
// name. No operator artwork is used.
QPixmap makeOperatorTile(const QString& name, const QColor& colour, QSize size);

// The little reward shown when all three operator tiles have been clicked.
QPixmap makeRewardPicture(QSize size);

}  // namespace sazbar
