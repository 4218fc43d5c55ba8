#pragma once

#include <QByteArray>
#include <QString>

namespace ortix::lang {

// Text files of the program are UTF-8, with or without a byte-order mark.
// Older files written on Windows are Windows-1252: bytes that are not valid
// UTF-8 are read that way, so accented letters survive either way.
QString decodeText(const QByteArray &bytes);

} // namespace ortix::lang
