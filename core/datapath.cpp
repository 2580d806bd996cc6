#include "core/datapath.h"

#include "core/files.h"
#include "core/globals.h"
#include "platform/base/codepage.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace Modulo {

namespace {
QString ComBarra(QString pasta)
{
    if (!pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    return pasta;
}
}  // namespace

QString ObtemCaminhoDados(const QString& pastaPrograma)
{
    const QString programa = ComBarra(pastaPrograma);
    const QString arquivo = programa + QStringLiteral("Caminho.txt");
    if (!QFileInfo(arquivo).isFile())
        return programa;
    QByteArray bytes = LeArquivoBytes(arquivo);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString pasta = utf8.decode(bytes);
    if (utf8.hasError())
        pasta = platform::fromWindows1252(bytes);
    pasta.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (!pasta.isEmpty() && (pasta.back().isSpace() || pasta.back() == QChar(0)))
        pasta.chop(1);
    if (pasta.isEmpty())
        return programa;
    if (QDir::isRelativePath(pasta))
        pasta = programa + pasta;
    return ComBarra(pasta);
}

QString ResolveNomeDados(const QString& nome, const QString& pasta)
{
    QString base = pasta.isEmpty() ? gCaminhoDados : pasta;
    if (base.isEmpty())
        return {};
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');

    QString rel = nome;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (!rel.isEmpty() && (rel.back().isSpace() || rel.back() == QChar(0)))
        rel.chop(1);
    if (rel.isEmpty() || rel.startsWith(QLatin1Char('/')) || (rel.size() > 1 && rel.at(1) == QLatin1Char(':')))
        return {};

    QString atual = base;
    const QStringList partes = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (partes.isEmpty())
        return {};
    for (int i = 0; i < partes.size(); ++i) {
        const QString& p = partes[i];
        // No file name holds a NUL; the file system would cut the name there.
        if (p == QLatin1String("..") || p == QLatin1String(".") || p.contains(QChar(0)))
            return {};
        QString achado = p;
        if (!QFileInfo::exists(atual + p)) {
            const QStringList nomes = QDir(atual).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& n : nomes)
                if (n.compare(p, Qt::CaseInsensitive) == 0) {
                    achado = n;
                    break;
                }
        }
        atual += achado;
        if (i + 1 < partes.size())
            atual += QLatin1Char('/');
    }
    // A symbolic link inside the folder must not lead out of it either.
    const QString real = QFileInfo(atual).canonicalFilePath();
    const QString realBase = QFileInfo(base).canonicalFilePath();
    if (!real.isEmpty() && !realBase.isEmpty() && !(real + QLatin1Char('/')).startsWith(realBase + QLatin1Char('/')))
        return {};
    return atual;
}

}  // namespace Modulo
