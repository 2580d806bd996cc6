#pragma once
// The single compressed file of the file modes: a ZIP archive (through
// libzip) holding the page files at its root, in the order given, under
// their own file names.
//
// The archive is written beside its path under a fresh name and renamed over
// it once complete, so an older file of that name is replaced atomically and
// a failure leaves it as it was and no partial archive behind.  Errors are
// raised as platform::Error: 53 a page file is missing, 70 permission denied,
// 61 disk full, 76 folder not found, 57 any other failure.

#include <QString>
#include <QStringList>

namespace saida {

void CompactaArquivos(const QString& sArquivoZip, const QStringList& sArquivos);

}  // namespace saida
