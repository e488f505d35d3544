#pragma once

#include <QByteArrayView>
#include <QString>

namespace Orv {

// Decodes Windows-1250 (Central European), the charset of files the Windows programs wrote.
// A fixed table, so it works without ICU; bytes the code page leaves undefined become the
// C1 control of the same value, as Windows maps them.
QString decodeCp1250(QByteArrayView bytes);

} // namespace Orv
